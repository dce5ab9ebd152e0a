#include "options/gui/DeviceOptionsPage.h"

#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "protocol/DeviceType.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>

namespace vantorel {

DeviceOptionsPage::DeviceOptionsPage(DeviceLink& link, PageHost& host, QWidget* parent)
    : Page(parent)
    , m_link(link)
{
    setObjectName(QStringLiteral("tslngSpecials"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);

    m_noteOffActions = named(new QCheckBox(this), "cblngNoteOffActions");
    m_setNoteOff = namedButton("btnlngSetNoteOffAction", QString(), this);
    m_zeroValueOffset = named(new QSpinBox(this), "sedZeroValueOffset");
    m_zeroValueOffset->setRange(0, 10);
    m_zeroValueOffset->setFixedWidth(60);
    m_setOffset = namedButton("btnlngSetZeroValueOffset", QString(), this);

    grid->addWidget(m_noteOffActions, 0, 0);
    grid->addWidget(m_setNoteOff, 0, 1);
    grid->addWidget(m_zeroValueOffset, 1, 0);
    grid->addWidget(m_setOffset, 1, 1);
    grid->setColumnMinimumWidth(0, 120);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    setTabOrder(m_noteOffActions, m_setNoteOff);
    setTabOrder(m_setNoteOff, m_zeroValueOffset);
    setTabOrder(m_zeroValueOffset, m_setOffset);
    retranslateUi();

    connect(m_setNoteOff, &QPushButton::clicked, this, &DeviceOptionsPage::storeNoteOffAction);
    connect(m_setOffset, &QPushButton::clicked, this, &DeviceOptionsPage::storeZeroValueOffset);
    host.lockWhileBusy(m_setNoteOff);
    host.lockWhileBusy(m_setOffset);
    connect(&m_link, &DeviceLink::deviceOptionsRead, this, &DeviceOptionsPage::showOptions);
}

void DeviceOptionsPage::retranslateUi()
{
    m_noteOffActions->setText(tr("Use Note Off"));
    m_setNoteOff->setText(tr("Set Note Off action in predefined Modes"));
    // The offset's only caption is the button beside it.
    m_zeroValueOffset->setAccessibleName(tr("CC Zero Value Offset"));
    m_setOffset->setText(tr("Set CC Zero Value Offset"));
}

void DeviceOptionsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    Page::changeEvent(event);
}

void DeviceOptionsPage::storeNoteOffAction()
{
    setNoteOffAction(m_link, m_noteOffActions->isChecked());
}

void DeviceOptionsPage::storeZeroValueOffset()
{
    setZeroValueOffset(m_link, m_zeroValueOffset->value());
}

void DeviceOptionsPage::pageShown()
{
    if (m_link.input().deviceCount() <= 0)
        return;
    const OpResult result = readDeviceOptions(m_link);
    if (result != OpResult::Busy && result != OpResult::Failed && isPro(m_link.deviceType()))
        readDeviceInformation(m_link);
}

void DeviceOptionsPage::showOptions(bool noteOff, int zeroValueOffset)
{
    m_noteOffActions->setChecked(noteOff);
    m_zeroValueOffset->setValue(zeroValueOffset);
}

} // namespace vantorel
