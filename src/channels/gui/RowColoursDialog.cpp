#include "channels/gui/RowColoursDialog.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

struct RoleText {
    RowColorRole role;
    const char* panelName;
    const char* labelName;
    const char* caption;
    const char* hint;
};

const RoleText kRoles[kRowColorRoleCount] = {
    {RowColorRole::NOLine, "pnlNOColor", "lbllngNOColor",
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "Note On Actve line"),
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog",
                       "Color of the line where DMX Channel is activated on Note On message using NO Velocity value.")},
    {RowColorRole::NOVelocityLine, "pnlNOVelocity", "lbllngNOVelocity",
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "Note On Value line"),
     QT_TRANSLATE_NOOP(
         "vantorel::RowColoursDialog",
         "Color of the line where DMX Channel is activated on Note On message using fixed Velocity value.")},
    {RowColorRole::CCLine, "pnlCCColor", "lbllngCCColor",
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "Control Change Active line"),
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog",
                       "Color of the line where DMX Channel is activated on Control Change message using CC value.")},
    {RowColorRole::CCValueLine, "pnlCCValue", "lbllngCCValue",
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "Control Change Value line"),
     QT_TRANSLATE_NOOP(
         "vantorel::RowColoursDialog",
         "Color of the line where DMX Channel is activated on Control Change message using constant value.")},
    {RowColorRole::DMXValueLine, "pnlDMXValue", "lbllngDMXValue",
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "DMX Always Value line"),
     QT_TRANSLATE_NOOP("vantorel::RowColoursDialog", "Color of the line where DMX Channel is always switched on.")},
};

} // namespace

// ------------------------------------------------------------ ColourSwatch

ColourSwatch::ColourSwatch(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setColor(Qt::white);
}

void ColourSwatch::setColor(const QColor& color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    update();
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColourSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

// -------------------------------------------------------- RowColoursDialog

RowColoursDialog::RowColoursDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DMXUserSetForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    chooseColor = [this](const QColor& initial) { return runColorDialog(initial); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);

    m_previewPanel = new QFrame(this);
    m_previewPanel->setObjectName(QStringLiteral("Panel1"));
    m_previewPanel->setFrameShape(QFrame::StyledPanel);
    m_previewPanel->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(m_previewPanel);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    ColourSwatch** panels[kRowColorRoleCount] = {&pnlNOColor, &pnlNOVelocity, &pnlCCColor, &pnlCCValue, &pnlDMXValue};
    for (int i = 0; i < kRowColorRoleCount; ++i) {
        const RoleText& text = kRoles[i];
        auto* label = new QLabel(m_previewPanel);
        label->setObjectName(QString::fromLatin1(text.labelName));
        auto* swatch = new ColourSwatch(m_previewPanel);
        swatch->setObjectName(QString::fromLatin1(text.panelName));
        swatch->setFixedSize(90, 22);
        swatch->setColor(toQColor(defaultRowColor(text.role)));
        label->setBuddy(swatch);
        grid->addWidget(label, i, 0);
        grid->addWidget(swatch, i, 1);
        *panels[i] = swatch;
    }
    layout->addWidget(m_previewPanel);

    connect(pnlNOColor, &ColourSwatch::clicked, this, &RowColoursDialog::pickNoteColour);
    connect(pnlNOVelocity, &ColourSwatch::clicked, this, &RowColoursDialog::pickNoteVelocityColour);
    connect(pnlCCColor, &ColourSwatch::clicked, this, &RowColoursDialog::pickControlChangeColour);
    connect(pnlCCValue, &ColourSwatch::clicked, this, &RowColoursDialog::pickControlValueColour);
    connect(pnlDMXValue, &ColourSwatch::clicked, this, &RowColoursDialog::pickDmxValueColour);

    auto* buttons = new QHBoxLayout;
    cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    btnOk = new QPushButton(this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    layout->addLayout(buttons);
    connect(btnOk, &QPushButton::clicked, this, &RowColoursDialog::acceptColours);
    connect(cancel, &QPushButton::clicked, this, &RowColoursDialog::cancelColours);

    dlgColor = new QColorDialog(this);
    dlgColor->setObjectName(QStringLiteral("dlgColor"));

    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void RowColoursDialog::retranslateUi()
{
    setWindowTitle(tr("DMXUser Settings"));
    for (const RoleText& text : kRoles) {
        const QString caption = tr(text.caption);
        const QString hint = tr(text.hint);
        auto* label = m_previewPanel->findChild<QLabel*>(QString::fromLatin1(text.labelName));
        label->setText(caption);
        label->setToolTip(hint);
        ColourSwatch* swatch = panel(text.role);
        swatch->setToolTip(hint);
        swatch->setAccessibleName(caption);
        swatch->setAccessibleDescription(hint);
    }
    cancel->setText(tr("Cancel"));
    btnOk->setText(tr("Ok"));
}

void RowColoursDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

RowColoursDialog::~RowColoursDialog() = default;

QColor RowColoursDialog::toQColor(uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

uint32_t RowColoursDialog::fromQColor(const QColor& color)
{
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}

ColourSwatch* RowColoursDialog::panel(RowColorRole role) const
{
    switch (role) {
    case RowColorRole::NOLine: return pnlNOColor;
    case RowColorRole::NOVelocityLine: return pnlNOVelocity;
    case RowColorRole::CCLine: return pnlCCColor;
    case RowColorRole::CCValueLine: return pnlCCValue;
    case RowColorRole::DMXValueLine: return pnlDMXValue;
    case RowColorRole::None: break;
    }
    return nullptr;
}

uint32_t RowColoursDialog::color(RowColorRole role) const
{
    const ColourSwatch* swatch = panel(role);
    return swatch ? fromQColor(swatch->color()) : 0xFFFFFF;
}

QColor RowColoursDialog::qcolor(RowColorRole role) const
{
    const ColourSwatch* swatch = panel(role);
    return swatch ? swatch->color() : QColor(Qt::white);
}

void RowColoursDialog::setColor(RowColorRole role, uint32_t value)
{
    if (ColourSwatch* swatch = panel(role)) {
        swatch->setColor(toQColor(value & 0xFFFFFFu));
        emit colorsChanged();
    }
}

void RowColoursDialog::pickColor(RowColorRole role)
{
    ColourSwatch* swatch = panel(role);
    if (!swatch || !chooseColor)
        return;
    const std::optional<QColor> chosen = chooseColor(swatch->color());
    if (!chosen || !chosen->isValid())
        return;
    swatch->setColor(chosen->toRgb());
    emit colorsChanged();
}

std::optional<QColor> RowColoursDialog::runColorDialog(const QColor& initial)
{
    dlgColor->setCurrentColor(initial);
    if (dlgColor->exec() != QDialog::Accepted)
        return std::nullopt;
    return dlgColor->selectedColor();
}

void RowColoursDialog::pickNoteColour()
{
    pickColor(RowColorRole::NOLine);
}
void RowColoursDialog::pickNoteVelocityColour()
{
    pickColor(RowColorRole::NOVelocityLine);
}
void RowColoursDialog::pickControlChangeColour()
{
    pickColor(RowColorRole::CCLine);
}
void RowColoursDialog::pickControlValueColour()
{
    pickColor(RowColorRole::CCValueLine);
}
void RowColoursDialog::pickDmxValueColour()
{
    pickColor(RowColorRole::DMXValueLine);
}

void RowColoursDialog::acceptColours()
{
    done(ResultOk);
}

void RowColoursDialog::cancelColours()
{
    done(ResultAbort);
}

void RowColoursDialog::reject()
{
    done(ResultCancel);
}

} // namespace vantorel
