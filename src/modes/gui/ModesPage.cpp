#include "modes/gui/ModesPage.h"

#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"
#include "channels/domain/ChannelRecord.h"
#include "modes/ModesOperations.h"
#include "modes/domain/ModeRecord.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

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

QLabel* boldLabel(const QString& name, const QString& text, int left, int top, int n, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setProperty(kTagProperty, n);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QComboBox* dropDownList(const QString& name, const QStringList& items, int left, int top, int n, QWidget* parent)
{
    auto* combo = new QComboBox(parent);   // not editable: a drop-down list
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    combo->setProperty(kTagProperty, n);
    combo->adjustSize();
    combo->setGeometry(left, top, kComboWidth, combo->sizeHint().height());
    return combo;
}

QPushButton* button(const char* name, const char* text, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

ModesPage::ModesPage(TDmxUserMainForm& form)
    : QObject(&form)
    , m_form(form)
    , m_link(form.link())
    , m_page(form.tslngBasicMode)
{
    setObjectName(QStringLiteral("ModesPage"));
    auto* layout = qobject_cast<QBoxLayout*>(m_page->layout());

    // The slots are placed by position in the band above the page's other content.
    if (layout)
        layout->insertSpacing(0, kSlotsHeight);

    Panel4 = new QFrame(m_page);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameShape(QFrame::StyledPanel);
    Panel4->setFrameShadow(QFrame::Raised);
    auto* countRow = new QHBoxLayout(Panel4);
    countRow->setContentsMargins(8, 6, 8, 6);
    lbllng3 = new QLabel(QStringLiteral("Basic/Eco modes count:"), Panel4);
    lbllng3->setObjectName(QStringLiteral("lbllng3"));
    sedMaxModes = new QSpinBox(Panel4);
    sedMaxModes->setObjectName(QStringLiteral("sedMaxModes"));
    sedMaxModes->setRange(1, kModeSlotCount);
    sedMaxModes->setValue(1);
    sedMaxModes->setFixedWidth(60);
    // Arrows only: the number cannot be typed.
    if (auto* edit = sedMaxModes->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    btnStoreModesCount = button("btnStoreModesCount", "Store number to device", Panel4);
    countRow->addWidget(lbllng3);
    countRow->addWidget(sedMaxModes);
    countRow->addWidget(btnStoreModesCount);
    countRow->addStretch(1);

    btnReadModesFromDevice = button("btnReadModesFromDevice", "Read Modes from device", form.pnlModesControl);
    btnStoreModesToDevice = button("btnStoreModesToDevice", "Store Modes to device", form.pnlModesControl);
    btnForceDefaultModes = button("btnForceDefaultModes", "Reset Modes to default", form.pnlModesControl);
    if (auto* controls = qobject_cast<QBoxLayout*>(form.pnlModesControl->layout())) {
        controls->insertWidget(0, btnReadModesFromDevice);
        controls->insertWidget(1, btnStoreModesToDevice);
        controls->insertWidget(2, btnForceDefaultModes);
    }
    if (layout)
        layout->insertWidget(layout->indexOf(form.pnlModesControl), Panel4);

    for (QPushButton* b : {btnReadModesFromDevice, btnStoreModesToDevice, btnForceDefaultModes, btnStoreModesCount})
        form.addDeviceControl(b);
    connect(btnReadModesFromDevice, &QPushButton::clicked, this, &ModesPage::btnReadModesFromDeviceClick);
    connect(btnStoreModesToDevice, &QPushButton::clicked, this, &ModesPage::btnStoreModesToDeviceClick);
    connect(btnStoreModesCount, &QPushButton::clicked, this, &ModesPage::btnStoreModesCountClick);
    connect(btnForceDefaultModes, &QPushButton::clicked, this, &ModesPage::btnForceDefaultModesClick);
    connect(&m_link, &DeviceLink::modeReceived, this, &ModesPage::ModeReplyReceived);
}

QStringList ModesPage::noteLabels() const
{
    // The channel editor's From list, when it is there; the same labels otherwise.
    if (auto* from = m_form.findChild<QComboBox*>(QStringLiteral("cbxFromNotes")); from && from->count() == kModeNoteCount) {
        QStringList items;
        for (int i = 0; i < from->count(); ++i)
            items << from->itemText(i);
        return items;
    }
    QStringList items;
    for (const std::string& label : NoteLabelList())
        items << QString::fromStdString(label);
    return items;
}

void ModesPage::CreateModeSlots()
{
    if (findSlot(1).mode)
        return;   // built once
    QStringList modeNames;
    for (const ModeType& type : ModeTypes())
        modeNames << QString::fromLatin1(type.name);
    QStringList channels;
    for (int channel = 1; channel <= 16; ++channel)
        channels << QString::number(channel);
    const QStringList notes = noteLabels();

    for (int i = 0; i < kModeSlotCount; ++i) {
        const int n = i + 1;
        const int x = i * kSlotWidth + kSlotLeft;
        const bool shown = n == 1;
        SlotControls slot;
        slot.modeLabel = boldLabel(slotName("LBL_MODE", n), QString::asprintf("Basic/Eco Mode #%d", n), x, 10, n, m_page);
        slot.mode = dropDownList(slotName("CBX_MODE", n), modeNames, x, 30, n, m_page);
        connect(slot.mode, &QComboBox::currentIndexChanged, this, [this, combo = slot.mode] { BmodeOnChange(combo); });
        slot.channelLabel = boldLabel(slotName("LBL_MCH", n), QString::asprintf("MIDI Channel #%d", n), x, 70, n, m_page);
        slot.channel = dropDownList(slotName("CBX_MCH", n), channels, x, 90, n, m_page);
        slot.channel->setMaxVisibleItems(12);
        slot.channel->setEnabled(false);
        slot.notesLabel = boldLabel(slotName("LBL_NOTES", n), QString::asprintf("Note=xx #%d", n), x, 125, n, m_page);
        slot.notes = dropDownList(slotName("CBX_NOTES", n), notes, x, 140, n, m_page);
        slot.notes->setEnabled(false);
        for (QWidget* w : {static_cast<QWidget*>(slot.modeLabel), static_cast<QWidget*>(slot.mode),
                           static_cast<QWidget*>(slot.channelLabel), static_cast<QWidget*>(slot.channel),
                           static_cast<QWidget*>(slot.notesLabel), static_cast<QWidget*>(slot.notes)})
            w->setVisible(shown);
        BmodeOnChange(slot.mode);
    }
}

ModesPage::SlotControls ModesPage::findSlot(int n) const
{
    const auto combo = [&](const char* prefix) {
        return m_page->findChild<QComboBox*>(slotName(prefix, n), Qt::FindDirectChildrenOnly);
    };
    const auto label = [&](const char* prefix) {
        return m_page->findChild<QLabel*>(slotName(prefix, n), Qt::FindDirectChildrenOnly);
    };
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
    m_form.showMessage(QStringLiteral("Error while preparing dispaly data - component not found!"));
}

void ModesPage::BmodeOnChange(QObject* sender)
{
    auto* mode = qobject_cast<QComboBox*>(sender);
    if (!mode)
        return;
    const int n = mode->property(kTagProperty).toInt();
    const int type = mode->currentIndex();
    const SlotControls slot = findSlot(n);
    if (slot.channel) {
        const bool used = ModeTypeUsesChannel(type);
        slot.channel->setEnabled(used);
        if (!used)
            slot.channel->setCurrentIndex(0);
    }
    if (slot.notes) {
        const bool used = ModeTypeUsesNote(type);
        slot.notes->setEnabled(used);
        if (!used)
            slot.notes->setCurrentIndex(0);
    }
}

void ModesPage::ResetModeSlot(int n)
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
    BmodeOnChange(slot.mode);
}

void ModesPage::ShowModeSlot(int n, int modeType, int channelIndex, int note)
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
    BmodeOnChange(slot.mode);
}

std::vector<uint8_t> ModesPage::PackModeRecord(int n)
{
    const SlotControls slot = findSlot(n);
    // isHidden, not isVisible: the answer must not depend on the page being on screen.
    if (!slot.complete() || slot.mode->isHidden())
        return {kSlotNotShown};
    return EncodeModeRecord({n, slot.mode->currentIndex(), slot.channel->currentIndex() + 1, slot.notes->currentIndex()});
}

void ModesPage::ModeReplyReceived(const std::array<uint8_t, 4>& values)
{
    const ModeRecord record = ModeRecordFromValues(values);
    if (record.slot < 1 || record.slot > kModeSlotCount) {
        // No such slot: nothing is shown and the count stays as it is.
        showAfterWait(QStringLiteral("Error while preparing dispaly data - component not found!"));
        return;
    }
    const auto shown = ModeRecordFromReply(values);
    if (!shown) {
        // A value no combo box can show: leave the slot as it is rather than
        // show (and later store) an empty selection.
        showAfterWait(QStringLiteral("Invalid Basic/Eco mode data received from device (slot %1: mode %2, MIDI channel %3, note %4).")
                          .arg(record.slot).arg(record.type).arg(record.channel).arg(record.note));
        return;
    }
    ShowModeSlot(shown->slot, shown->type, shown->channel - 1, shown->note);
    sedMaxModes->setValue(shown->slot);
}

void ModesPage::showAfterWait(const QString& message)
{
    // A modal box inside an operation's wait would let Timer1 expire and turn
    // an answered request into a timeout: it comes when the wait is over.
    if (!m_link.busy()) {
        m_form.showMessage(message);
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
        m_form.showMessage(message);
}

void ModesPage::resetAllSlots()
{
    for (int n = 1; n <= kModeSlotCount; ++n)
        ResetModeSlot(n);
}

void ModesPage::btnReadModesFromDeviceClick()
{
    ReadModes(m_link, [this] { resetAllSlots(); });
}

void ModesPage::btnStoreModesToDeviceClick()
{
    std::vector<ModeRecord> records;
    for (int n = 1; n <= kModeSlotCount; ++n) {
        const std::vector<uint8_t> packed = PackModeRecord(n);
        if (packed.size() == 1 && packed.front() == kSlotNotShown)
            continue;
        if (const auto record = DecodeModeRecord(packed))
            records.push_back(*record);
    }
    StoreModes(m_link, records);
}

void ModesPage::btnStoreModesCountClick()
{
    StoreModesCount(m_link, sedMaxModes->value(), [this] { resetAllSlots(); });
}

void ModesPage::btnForceDefaultModesClick()
{
    ResetModesToDefault(m_link, [this] { resetAllSlots(); });
}
