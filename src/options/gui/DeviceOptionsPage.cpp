#include "options/gui/DeviceOptionsPage.h"

#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "protocol/DeviceType.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"

#include <QCheckBox>
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

    m_noteOffActions = named(new QCheckBox(QStringLiteral("Use Note Off"), this), "cblngNoteOffActions");
    auto* setNoteOff
        = namedButton("btnlngSetNoteOffAction", QStringLiteral("Set Note Off action in predefined Modes"), this);
    m_zeroValueOffset = named(new QSpinBox(this), "sedZeroValueOffset");
    m_zeroValueOffset->setRange(0, 10);
    m_zeroValueOffset->setFixedWidth(60);
    auto* setOffset = namedButton("btnlngSetZeroValueOffset", QStringLiteral("Set CC Zero Value Offset"), this);

    grid->addWidget(m_noteOffActions, 0, 0);
    grid->addWidget(setNoteOff, 0, 1);
    grid->addWidget(m_zeroValueOffset, 1, 0);
    grid->addWidget(setOffset, 1, 1);
    grid->setColumnMinimumWidth(0, 120);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    connect(setNoteOff, &QPushButton::clicked, this, &DeviceOptionsPage::storeNoteOffAction);
    connect(setOffset, &QPushButton::clicked, this, &DeviceOptionsPage::storeZeroValueOffset);
    host.lockWhileBusy(setNoteOff);
    host.lockWhileBusy(setOffset);
    connect(&m_link, &DeviceLink::deviceOptionsRead, this, &DeviceOptionsPage::showOptions);
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
