#include "channels/gui/CalculatorDialog.h"

#include "channels/domain/ChannelTable.h"
#include "channels/gui/KeyFilters.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QLineEdit* numberField(const char* name, int maxLength, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(maxLength == 5 ? 80 : 60);
    return field;
}

QLabel* fieldLabel(const char* name, QLineEdit* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CalculatorDialog::CalculatorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CalcForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setModal(false);

    ledlngLowByte = numberField("ledlngLowByte", 3, this);
    ledlngHighByte = numberField("ledlngHighByte", 3, this);
    ledlngValue = numberField("ledlngValue", 5, this);
    ledlngLowByteLabel = fieldLabel("ledlngLowByteLabel", ledlngLowByte, this);
    ledlngHighByteLabel = fieldLabel("ledlngHighByteLabel", ledlngHighByte, this);
    ledlngValueLabel = fieldLabel("ledlngValueLabel", ledlngValue, this);

    btnToValue = new QPushButton(QStringLiteral("-->>"), this);
    btnToValue->setObjectName(QStringLiteral("btnToValue"));
    btnToValue->setAutoDefault(false);
    btnToBytes = new QPushButton(QStringLiteral("<<--"), this);
    btnToBytes->setObjectName(QStringLiteral("btnToBytes"));
    btnToBytes->setAutoDefault(false);

    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    QFont bold = lblWarning->font();
    bold.setBold(true);
    lblWarning->setFont(bold);
    QPalette magenta = lblWarning->palette();
    magenta.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0xFF));
    lblWarning->setPalette(magenta);
    lblWarning->setMinimumHeight(lblWarning->fontMetrics().height() + 4);

    //  Low byte   [  ]               Value
    //  High byte  [  ]   -->>  <<--  [     ]
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(ledlngLowByteLabel, 0, 0);
    grid->addWidget(ledlngLowByte, 0, 1);
    grid->addWidget(ledlngHighByteLabel, 1, 0);
    grid->addWidget(ledlngHighByte, 1, 1);
    grid->addWidget(btnToValue, 0, 2);
    grid->addWidget(btnToBytes, 1, 2);
    grid->addWidget(ledlngValueLabel, 0, 3);
    grid->addWidget(ledlngValue, 1, 3);
    grid->setColumnMinimumWidth(2, 70);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 10);
    layout->addLayout(grid);
    layout->addWidget(lblWarning);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* field : {ledlngLowByte, ledlngHighByte, ledlngValue}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this, field] { checkField(field); });
    }
    connect(btnToValue, &QPushButton::clicked, this, &CalculatorDialog::bytesToValue);
    connect(btnToBytes, &QPushButton::clicked, this, &CalculatorDialog::valueToBytes);
    // Tab follows the layout: the bytes, the two buttons, the value.
    setTabOrder(ledlngLowByte, ledlngHighByte);
    setTabOrder(ledlngHighByte, btnToValue);
    setTabOrder(btnToValue, btnToBytes);
    setTabOrder(btnToBytes, ledlngValue);
    retranslateUi();
}

void CalculatorDialog::retranslateUi()
{
    setWindowTitle(tr("16 bit calculator"));
    ledlngLowByteLabel->setText(tr("Low byte (0..255)"));
    ledlngHighByteLabel->setText(tr("High byte (0..255)"));
    ledlngValueLabel->setText(tr("Value (0..65535)"));
    for (QLabel* label : {ledlngLowByteLabel, ledlngHighByteLabel, ledlngValueLabel})
        label->buddy()->setAccessibleName(label->text());
    btnToValue->setAccessibleName(tr("Bytes to value"));
    btnToBytes->setAccessibleName(tr("Value to bytes"));
    lblWarning->setText(*m_warning ? tr(m_warning) : QString());
}

void CalculatorDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

const char* CalculatorDialog::problemOf(const QString& text, int maximum)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QT_TR_NOOP("No value entered!");
    const auto value = parseInteger(trimmed.toStdString());
    if (!value || *value < 0)
        return QT_TR_NOOP("Illegal chars in input!");
    if (*value > maximum)
        return QT_TR_NOOP("Value too high!");
    return "";
}

QString CalculatorDialog::checkText(const QString& text, int maximum)
{
    const char* problem = problemOf(text, maximum);
    return *problem ? tr(problem) : QString();
}

void CalculatorDialog::showWarning(const char* warning)
{
    m_warning = warning;
    lblWarning->setText(*warning ? tr(warning) : QString());
}

int CalculatorDialog::maximumOf(const QLineEdit* field) const
{
    return field == ledlngValue ? 65535 : 255;
}

bool CalculatorDialog::checkField(QLineEdit* field)
{
    const char* problem = problemOf(field->text(), maximumOf(field));
    showWarning(problem);
    return !*problem;
}

void CalculatorDialog::markField(QLineEdit* field)
{
    field->selectAll();
    field->setFocus();
}

void CalculatorDialog::bytesToValue()
{
    for (QLineEdit* field : {ledlngLowByte, ledlngHighByte}) {
        if (!checkField(field)) {
            markField(field);
            return;
        }
    }
    const auto low = parseInteger(ledlngLowByte->text().trimmed().toStdString());
    const auto high = parseInteger(ledlngHighByte->text().trimmed().toStdString());
    if (!low || !high) {
        showWarning(QT_TR_NOOP("Illegal chars in input!"));
        return;
    }
    ledlngValue->setText(QString::number(*low + 256 * *high));
}

void CalculatorDialog::valueToBytes()
{
    if (!checkField(ledlngValue)) {
        markField(ledlngValue);
        return;
    }
    const auto value = parseInteger(ledlngValue->text().trimmed().toStdString());
    if (!value) {
        showWarning(QT_TR_NOOP("Illegal chars in input!"));
        return;
    }
    ledlngHighByte->setText(QString::number((*value >> 8) & 255));
    ledlngLowByte->setText(QString::number(*value & 255));
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && (field == ledlngLowByte || field == ledlngHighByte || field == ledlngValue)) {
        if (event->type() == QEvent::KeyPress && !isDigitOrEditingKey(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::KeyRelease)
            checkField(field);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vantorel
