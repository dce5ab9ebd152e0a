#include "app/OperationProgress.h"

#include "link/DeviceLink.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

namespace vantorel {

OperationProgress::OperationProgress(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
    , m_link(link)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("prbOperation"));
    m_bar->setMinimumWidth(220);
    m_bar->setTextVisible(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("btnlngCancelOperation"));
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
    setVisible(false);
    retranslateUi();

    connect(m_cancel, &QPushButton::clicked, this, &OperationProgress::cancel);
    connect(&m_link, &DeviceLink::progressChanged, this, &OperationProgress::show);
    connect(&m_link, &DeviceLink::busyChanged, this, [this](bool busy) {
        if (!busy && !m_held)
            setVisible(false);
    });
    connect(&m_link, &DeviceLink::cancelRequestedChanged, this, [this] { m_cancel->setEnabled(false); });
}

void OperationProgress::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void OperationProgress::retranslateUi()
{
    m_cancel->setText(tr("Cancel"));
    m_cancel->setAccessibleDescription(tr("Stops the running operation (Esc)."));
    m_bar->setAccessibleName(tr("Progress of the operation"));
    showFormat();
}

void OperationProgress::cancelWithEscapeIn(QWidget* window)
{
    delete m_escape;
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    m_escape->setContext(Qt::WindowShortcut);
    connect(m_escape, &QShortcut::activated, this, [this] {
        if (isVisible())
            cancel();
    });
}

void OperationProgress::setHeld(bool held)
{
    m_held = held;
    if (held && !isVisible()) {
        m_bar->setRange(0, 0);
        m_cancel->setEnabled(true);
        setVisible(true);
    } else if (!held && !m_link.busy()) {
        setVisible(false);
    }
}

void OperationProgress::show(int done, int total, const QString& unit)
{
    if (!m_link.busy() && !m_held)
        return; // a late report after the operation ended
    if (!isVisible()) {
        m_cancel->setEnabled(!m_link.cancelRequested());
        setVisible(true);
    }
    m_done = done;
    m_total = total;
    m_unit = unit;
    if (total > 0) {
        m_bar->setRange(0, total);
        m_bar->setValue(qBound(0, done, total));
    } else {
        // No end known: the count alone (a busy bar would show no text).
        m_bar->setRange(0, 1);
        m_bar->setValue(0);
    }
    showFormat();
    // A screen reader announces the new value (the bar tells only changes of
    // its number, not of its text).
    QAccessibleValueChangeEvent changed(m_bar, m_bar->text());
    QAccessible::updateAccessibility(&changed);
}

namespace {
// The units the operations count in: keys that are compared, shown translated.
[[maybe_unused]] const char* const kUnitTexts[] = {
    QT_TRANSLATE_NOOP("vantorel::OperationProgress", "rows"),
    QT_TRANSLATE_NOOP("vantorel::OperationProgress", "blocks"),
    QT_TRANSLATE_NOOP("vantorel::OperationProgress", "steps"),
    QT_TRANSLATE_NOOP("vantorel::OperationProgress", "verifying rows"),
};
} // namespace

void OperationProgress::showFormat()
{
    if (m_unit.isEmpty())
        return;
    const QString unit = tr(m_unit.toUtf8().constData());
    if (m_total <= 0)
        m_bar->setFormat(tr("%1 %2").arg(unit).arg(m_done));
    else if (m_unit == QLatin1String("%"))
        m_bar->setFormat(QStringLiteral("%p%"));
    else if (m_unit == QLatin1String("s"))
        m_bar->setFormat(tr("%1 of %2 s").arg(m_done).arg(m_total));
    else
        m_bar->setFormat(tr("%1 %2 of %3").arg(unit).arg(m_done).arg(m_total));
}

void OperationProgress::cancel()
{
    if (m_link.busy())
        m_link.requestCancel();
}

} // namespace vantorel
