#include "channels/gui/ChannelInputDialog.h"

#include "channels/domain/ChannelTable.h"
#include "channels/gui/KeyFilters.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

ChannelInputDialog::ChannelInputDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DMXChannelInputForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    showMessage = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
        box.exec();
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(6);

    QFont bold = font();
    bold.setBold(true);
    lblMsg1 = new QLabel(this);
    lblMsg1->setObjectName(QStringLiteral("lblMsg1"));
    lblMsg1->setFont(bold);
    lblMsg2 = new QLabel(this);
    lblMsg2->setObjectName(QStringLiteral("lblMsg2"));
    lblMsg2->setFont(bold);
    layout->addWidget(lblMsg1);
    layout->addWidget(lblMsg2);
    layout->addSpacing(8);

    ledlngDMXChNbrLabel = new QLabel(this);
    ledlngDMXChNbrLabel->setObjectName(QStringLiteral("ledlngDMXChNbrLabel"));
    ledlngDMXChNbr = new QLineEdit(this);
    ledlngDMXChNbr->setObjectName(QStringLiteral("ledlngDMXChNbr"));
    ledlngDMXChNbr->setMaxLength(3);
    ledlngDMXChNbr->setFixedWidth(70);
    ledlngDMXChNbrLabel->setBuddy(ledlngDMXChNbr);
    ledlngDMXChNbr->installEventFilter(this);
    layout->addWidget(ledlngDMXChNbrLabel);
    layout->addWidget(ledlngDMXChNbr);
    layout->addSpacing(10);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnlngOk = new QPushButton(this);
    btnlngOk->setObjectName(QStringLiteral("btnlngOk"));
    btnlngOk->setDefault(true);
    btnlngOk->setAutoDefault(true);
    btnlngCancel = new QPushButton(this);
    btnlngCancel->setObjectName(QStringLiteral("btnlngCancel"));
    btnlngCancel->setAutoDefault(false);
    buttons->addWidget(btnlngOk);
    buttons->addWidget(btnlngCancel);
    layout->addLayout(buttons);

    connect(btnlngOk, &QPushButton::clicked, this, &ChannelInputDialog::acceptChannelNumber);
    connect(btnlngCancel, &QPushButton::clicked, this, &QDialog::reject);

    setMinimumWidth(300);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void ChannelInputDialog::retranslateUi()
{
    ledlngDMXChNbrLabel->setText(tr("Destination channel number"));
    ledlngDMXChNbr->setAccessibleName(ledlngDMXChNbrLabel->text());
    btnlngOk->setText(tr("Ok"));
    btnlngCancel->setText(tr("Cancel"));
}

void ChannelInputDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void ChannelInputDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ledlngDMXChNbr->setFocus();
    ledlngDMXChNbr->selectAll();
}

void ChannelInputDialog::setPrompt(const QString& firstLine, const QString& secondLine, int number)
{
    lblMsg1->setText(firstLine);
    lblMsg2->setText(secondLine);
    ledlngDMXChNbr->setText(QString::number(number));
}

void ChannelInputDialog::acceptChannelNumber()
{
    const QString text = ledlngDMXChNbr->text().trimmed();
    if (text.isEmpty()) {
        showMessage(tr("No valid number entered."));
        ledlngDMXChNbr->setText(QString::number(lowestChannel));
        return;
    }
    const auto number = parseInteger(text.toStdString());
    if (!number) {
        showMessage(tr("Invalid number entered - please enter digits only."));
        ledlngDMXChNbr->setText(QString::number(lowestChannel));
        return;
    }
    channelNumber = *number;
    if (channelNumber > highestChannel) {
        showMessage(tr("Too high channel number."));
        ledlngDMXChNbr->setText(QString::number(highestChannel));
        return;
    }
    if (channelNumber < lowestChannel) {
        showMessage(tr("Too low channel number."));
        ledlngDMXChNbr->setText(QString::number(lowestChannel));
        return;
    }
    accept();
}

bool ChannelInputDialog::ledlngDMXChNbrKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        acceptChannelNumber();
        return true;
    }
    return !isDigitOrEditingKey(event);
}

bool ChannelInputDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ledlngDMXChNbr && event->type() == QEvent::KeyPress)
        return ledlngDMXChNbrKeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

} // namespace vantorel
