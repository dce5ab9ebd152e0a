#include "channels/gui/DescriptionDialog.h"

#include "channels/domain/ChannelRecord.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

DescriptionDialog::DescriptionDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DescrForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);

    memDescr = new QPlainTextEdit(this);
    memDescr->setObjectName(QStringLiteral("memDescr"));
    memDescr->setTabChangesFocus(true);
    layout->addWidget(memDescr, 1);

    auto* buttons = new QHBoxLayout;
    btnUpdate = new QPushButton(this);
    btnUpdate->setObjectName(QStringLiteral("btnUpdate"));
    btnUpdate->setAutoDefault(false);
    btnClose = new QPushButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(btnUpdate);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    lbllngNote = new QLabel(this);
    lbllngNote->setObjectName(QStringLiteral("lbllngNote"));
    QFont bold = lbllngNote->font();
    bold.setBold(true);
    lbllngNote->setFont(bold);
    QPalette red = lbllngNote->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    lbllngNote->setPalette(red);
    lbllngNote->setWordWrap(true);
    layout->addWidget(lbllngNote);

    connect(btnUpdate, &QPushButton::clicked, this, &DescriptionDialog::updateDescription);
    connect(btnClose, &QPushButton::clicked, this, &DescriptionDialog::closeEditor);

    setFixedSize(440, 230);
    retranslateUi();
}

void DescriptionDialog::retranslateUi()
{
    setWindowTitle(tr("DMX Channel description"));
    btnUpdate->setText(tr("Update"));
    btnClose->setText(tr("Close"));
    lbllngNote->setText(tr("Note: Channel description will be stored in disk file only."));
    memDescr->setAccessibleName(tr("Description"));
    memDescr->setAccessibleDescription(lbllngNote->text());
}

void DescriptionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void DescriptionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    focusText();
}

void DescriptionDialog::focusText()
{
    memDescr->setFocus();
}

void DescriptionDialog::setDescription(const QString& text)
{
    memDescr->setPlainText(text);
}

void DescriptionDialog::updateDescription()
{
    // One line without separators: the CSV file keeps every description intact.
    const std::string text = sanitizedDescription(memDescr->toPlainText().toStdString());
    emit descriptionUpdated(QString::fromStdString(text));
}

void DescriptionDialog::closeEditor()
{
    accept();
}

} // namespace vantorel
