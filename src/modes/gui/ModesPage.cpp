#include "modes/gui/ModesPage.h"

#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "midi/domain/NoteLabels.h"
#include "modes/ModesOperations.h"
#include "modes/domain/ModeRecord.h"
#include "protocol/DeviceType.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"
#include "util/qt/TextConversions.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantorel {

#include <utility>

namespace {

constexpr int kSlotWidth = 130;
constexpr int kSlotLeft = 5;
constexpr int kComboWidth = 120;
// Height of the band at the top of the page that the slots occupy.
constexpr int kSlotsHeight = 175;
const char* const kTagProperty = "tag";

QString slotName(const char* prefix, int n)
{
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(prefix)).arg(n);
}

// Its text comes with the page's other captions.
QLabel* boldLabel(const QString& name, int left, int top, int n, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setProperty(kTagProperty, n);
    label->move(left, top);
    return label;
}

QComboBox* dropDownList(const QString& name, const QStringList& items, int left, int top, int n, QWidget* parent)
{
    auto* combo = new QComboBox(parent); // not editable: a drop-down list
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    combo->setProperty(kTagProperty, n);
    combo->adjustSize();
    combo->setGeometry(left, top, kComboWidth, combo->sizeHint().height());
    return combo;
}

} // namespace

ModesPage::ModesPage(DeviceLink& link, PageHost& host, QWidget* parent)
    : Page(parent)
    , m_link(link)
    , m_host(host)
{
    setObjectName(QStringLiteral("tslngBasicMode"));
    buildPanels();
    retranslateUi();
    connect(&m_link, &DeviceLink::modeReceived, this, &ModesPage::onModeReceived);
    connect(&m_link, &DeviceLink::deviceTypeApplied, this, &ModesPage::onDeviceTypeApplied);
}

void ModesPage::buildPanels()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    // The slots are placed by position in the band above the page's other content.
    layout->addSpacing(kSlotsHeight);

    m_info = namedLabel("lblBasicModesInfo", QString(), this);
    m_info->setWordWrap(true);
    setBold(m_info, &kPurple);
    layout->addWidget(m_info);
    layout->addStretch(1);

    auto* controlPanel = namedPanel("pnlModesControl", this);
    // Two rows, so that captions longer than the English ones still fit.
    auto* controls = new QGridLayout(controlPanel);
    controls->setContentsMargins(8, 6, 8, 6);
    m_restart = namedButton("btnReset", QString(), controlPanel);

    auto* countPanel = namedPanel("Panel4", this);
    auto* countRow = new QHBoxLayout(countPanel);
    countRow->setContentsMargins(8, 6, 8, 6);
    m_countLabel = namedLabel("lbllng3", QString(), countPanel);
    m_modesCount = named(new QSpinBox(countPanel), "sedMaxModes");
    m_modesCount->setRange(1, kModeSlotCount);
    m_modesCount->setValue(1);
    m_modesCount->setFixedWidth(60);
    // Arrows only: the number cannot be typed.
    if (auto* edit = m_modesCount->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    m_countLabel->setBuddy(m_modesCount);
    m_storeCount = namedButton("btnStoreModesCount", QString(), countPanel);
    countRow->addWidget(m_countLabel);
    countRow->addWidget(m_modesCount);
    countRow->addWidget(m_storeCount);
    countRow->addStretch(1);

    m_read = namedButton("btnReadModesFromDevice", QString(), controlPanel);
    m_store = namedButton("btnStoreModesToDevice", QString(), controlPanel);
    m_reset = namedButton("btnForceDefaultModes", QString(), controlPanel);
    controls->addWidget(m_read, 0, 0);
    controls->addWidget(m_store, 0, 1);
    controls->addWidget(m_reset, 1, 0);
    controls->addWidget(m_restart, 1, 1);
    controls->setColumnStretch(2, 1);
    layout->addWidget(countPanel);
    layout->addWidget(controlPanel);
    setTabChain();

    for (QPushButton* b : {m_restart, m_read, m_store, m_reset, m_storeCount})
        m_host.lockWhileBusy(b);
    connect(m_restart, &QPushButton::clicked, this, &ModesPage::restartDevice);
    connect(m_read, &QPushButton::clicked, this, &ModesPage::readModesFromDevice);
    connect(m_store, &QPushButton::clicked, this, &ModesPage::storeModesToDevice);
    connect(m_storeCount, &QPushButton::clicked, this, &ModesPage::storeModesCount);
    connect(m_reset, &QPushButton::clicked, this, &ModesPage::resetModesToDefault);
}

void ModesPage::retranslateUi()
{
    m_info->setText(tr("This page is for VANTOREL Basic/Eco device only and will be not visible when "
                       "VANTOREL Pro will be indentified."));
    m_countLabel->setText(tr("Basic/Eco modes count:"));
    m_modesCount->setAccessibleName(tr("Basic/Eco modes count"));
    m_storeCount->setText(tr("Store number to device"));
    m_read->setText(tr("Read Modes from device"));
    m_store->setText(tr("Store Modes to device"));
    m_reset->setText(tr("Reset Modes to default"));
    m_restart->setText(tr("Restart device"));
    for (int n = 1; n <= kModeSlotCount; ++n) {
        const SlotControls slot = findSlot(n);
        if (!slot.complete())
            continue; // the slots come at the first show
        slot.modeLabel->setText(tr("Basic/Eco Mode #%1").arg(n));
        slot.modeLabel->adjustSize();
        slot.mode->setAccessibleName(tr("Basic/Eco Mode #%1").arg(n));
        slot.channelLabel->setText(tr("MIDI Channel #%1").arg(n));
        slot.channelLabel->adjustSize();
        slot.channel->setAccessibleName(tr("MIDI Channel #%1").arg(n));
        slot.notesLabel->setText(tr("Note=xx #%1").arg(n));
        slot.notesLabel->adjustSize();
        slot.notes->setAccessibleName(tr("Note of Basic/Eco Mode #%1").arg(n));
    }
}

void ModesPage::setTabChain()
{
    QList<QWidget*> chain;
    for (int n = 1; n <= kModeSlotCount; ++n) {
        const SlotControls slot = findSlot(n);
        if (slot.complete())
            chain << slot.mode << slot.channel << slot.notes;
    }
    chain << m_modesCount << m_storeCount << m_read << m_store << m_reset << m_restart;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void ModesPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    Page::changeEvent(event);
}

void ModesPage::onDeviceTypeApplied(char letter)
{
    if (deviceTypeFromLetter(letter))
        m_info->hide();
}

void ModesPage::createModeSlots()
{
    if (findSlot(1).mode)
        return; // built once
    QStringList modeNames;
    for (const ModeType& type : modeTypes())
        modeNames << QString::fromLatin1(type.name);
    QStringList channels;
    for (int channel = 1; channel <= 16; ++channel)
        channels << QString::number(channel);
    // The labels of the channel editor's note lists.
    const QStringList notes = toQStringList(noteLabelList());

    for (int i = 0; i < kModeSlotCount; ++i) {
        const int n = i + 1;
        const int x = i * kSlotWidth + kSlotLeft;
        const bool shown = n == 1;
        SlotControls slot;
        slot.modeLabel = boldLabel(slotName("LBL_MODE", n), x, 10, n, this);
        slot.mode = dropDownList(slotName("CBX_MODE", n), modeNames, x, 30, n, this);
        connect(slot.mode, &QComboBox::currentIndexChanged, this,
                [this, combo = slot.mode] { onModeTypeChanged(combo); });
        slot.channelLabel = boldLabel(slotName("LBL_MCH", n), x, 70, n, this);
        slot.channel = dropDownList(slotName("CBX_MCH", n), channels, x, 90, n, this);
        slot.channel->setMaxVisibleItems(12);
        slot.channel->setEnabled(false);
        slot.notesLabel = boldLabel(slotName("LBL_NOTES", n), x, 125, n, this);
        slot.notes = dropDownList(slotName("CBX_NOTES", n), notes, x, 140, n, this);
        slot.notes->setEnabled(false);
        slot.modeLabel->setBuddy(slot.mode);
        slot.channelLabel->setBuddy(slot.channel);
        slot.notesLabel->setBuddy(slot.notes);
        for (QWidget* w : {static_cast<QWidget*>(slot.modeLabel), static_cast<QWidget*>(slot.mode),
                           static_cast<QWidget*>(slot.channelLabel), static_cast<QWidget*>(slot.channel),
                           static_cast<QWidget*>(slot.notesLabel), static_cast<QWidget*>(slot.notes)})
            w->setVisible(shown);
        onModeTypeChanged(slot.mode);
    }
    retranslateUi();
    setTabChain();
}

ModesPage::SlotControls ModesPage::findSlot(int n) const
{
    const auto combo
        = [&](const char* prefix) { return findChild<QComboBox*>(slotName(prefix, n), Qt::FindDirectChildrenOnly); };
    const auto label
        = [&](const char* prefix) { return findChild<QLabel*>(slotName(prefix, n), Qt::FindDirectChildrenOnly); };
    SlotControls slot;
    slot.modeLabel = label("LBL_MODE");
    slot.mode = combo("CBX_MODE");
    slot.channelLabel = label("LBL_MCH");
    slot.channel = combo("CBX_MCH");
    slot.notesLabel = label("LBL_NOTES");
    slot.notes = combo("CBX_NOTES");
    return slot;
}

void ModesPage::componentNotFound()
{
    m_host.showMessage(tr("Error while preparing dispaly data - component not found!"));
}

void ModesPage::onModeTypeChanged(QObject* sender)
{
    auto* mode = qobject_cast<QComboBox*>(sender);
    if (!mode)
        return;
    const int n = mode->property(kTagProperty).toInt();
    const int type = mode->currentIndex();
    const SlotControls slot = findSlot(n);
    if (slot.channel) {
        const bool used = modeTypeUsesChannel(type);
        slot.channel->setEnabled(used);
        if (!used)
            slot.channel->setCurrentIndex(0);
    }
    if (slot.notes) {
        const bool used = modeTypeUsesNote(type);
        slot.notes->setEnabled(used);
        if (!used)
            slot.notes->setCurrentIndex(0);
    }
}

void ModesPage::resetModeSlot(int n)
{
    const SlotControls slot = findSlot(n);
    if (!slot.complete()) {
        componentNotFound();
        return;
    }
    slot.mode->setCurrentIndex(0);
    slot.channel->setCurrentIndex(0);
    slot.notes->setCurrentIndex(0);
    for (QWidget* w : {static_cast<QWidget*>(slot.modeLabel), static_cast<QWidget*>(slot.mode),
                       static_cast<QWidget*>(slot.channelLabel), static_cast<QWidget*>(slot.channel),
                       static_cast<QWidget*>(slot.notesLabel), static_cast<QWidget*>(slot.notes)})
        w->setVisible(n == 1);
    onModeTypeChanged(slot.mode);
}

void ModesPage::showModeSlot(int n, int modeType, int channelIndex, int note)
{
    const SlotControls slot = findSlot(n);
    if (!slot.complete()) {
        componentNotFound();
        return;
    }
    slot.mode->setCurrentIndex(modeType);
    slot.channel->setCurrentIndex(channelIndex);
    slot.notes->setCurrentIndex(note);
    for (QWidget* w : {static_cast<QWidget*>(slot.modeLabel), static_cast<QWidget*>(slot.mode),
                       static_cast<QWidget*>(slot.channelLabel), static_cast<QWidget*>(slot.channel),
                       static_cast<QWidget*>(slot.notesLabel), static_cast<QWidget*>(slot.notes)})
        w->setVisible(true);
    onModeTypeChanged(slot.mode);
}

std::vector<uint8_t> ModesPage::packModeRecord(int n)
{
    const SlotControls slot = findSlot(n);
    // isHidden, not isVisible: the answer must not depend on the page being on screen.
    if (!slot.complete() || slot.mode->isHidden())
        return {kSlotNotShown};
    return encodeModeRecord(
        {n, slot.mode->currentIndex(), slot.channel->currentIndex() + 1, slot.notes->currentIndex()});
}

void ModesPage::onModeReceived(const std::array<uint8_t, 4>& values)
{
    const ModeRecord record = modeRecordFromValues(values);
    if (record.slot < 1 || record.slot > kModeSlotCount) {
        // No such slot: nothing is shown and the count stays as it is.
        showAfterWait(tr("Error while preparing dispaly data - component not found!"));
        return;
    }
    const auto shown = modeRecordFromReply(values);
    if (!shown) {
        // A value no combo box can show: leave the slot as it is rather than
        // show (and later store) an empty selection.
        showAfterWait(
            tr("Invalid Basic/Eco mode data received from device (slot %1: mode %2, MIDI channel %3, note %4).")
                .arg(record.slot)
                .arg(record.type)
                .arg(record.channel)
                .arg(record.note));
        return;
    }
    showModeSlot(shown->slot, shown->type, shown->channel - 1, shown->note);
    m_modesCount->setValue(shown->slot);
}

void ModesPage::showAfterWait(const QString& message)
{
    // A modal box inside an operation's wait would let the wait timer expire and turn
    // an answered request into a timeout: it comes when the wait is over.
    if (!m_link.busy()) {
        m_host.showMessage(message);
        return;
    }
    if (m_pendingMessages.isEmpty())
        connect(&m_link, &DeviceLink::busyChanged, this, &ModesPage::showPendingMessages, Qt::SingleShotConnection);
    m_pendingMessages << message;
}

void ModesPage::showPendingMessages()
{
    const QStringList messages = std::exchange(m_pendingMessages, {});
    for (const QString& message : messages)
        m_host.showMessage(message);
}

void ModesPage::resetAllSlots()
{
    for (int n = 1; n <= kModeSlotCount; ++n)
        resetModeSlot(n);
}

void ModesPage::pageShown()
{
    if (m_link.input().deviceCount() > 0)
        readDeviceInformation(m_link);
}

void ModesPage::restartDevice()
{
    vantorel::restartDevice(m_link);
}

void ModesPage::readModesFromDevice()
{
    readModes(m_link, [this] { resetAllSlots(); });
}

void ModesPage::storeModesToDevice()
{
    std::vector<ModeRecord> records;
    for (int n = 1; n <= kModeSlotCount; ++n) {
        const std::vector<uint8_t> packed = packModeRecord(n);
        if (packed.size() == 1 && packed.front() == kSlotNotShown)
            continue;
        if (const auto record = decodeModeRecord(packed))
            records.push_back(*record);
    }
    storeModes(m_link, records);
}

void ModesPage::storeModesCount()
{
    vantorel::storeModesCount(m_link, m_modesCount->value(), [this] { resetAllSlots(); });
}

void ModesPage::resetModesToDefault()
{
    vantorel::resetModesToDefault(m_link, [this] { resetAllSlots(); });
}

} // namespace vantorel
