#include "channels/gui/ChannelsPage.h"

#include "link/DeviceLink.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/EditRowComboBox.h"
#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "channels/gui/RowColoursDialog.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"
#include "util/qt/TextConversions.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vantorel {

namespace {

// A hint as an accessible description: one line.
QString describedHint(QString hint)
{
    return hint.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified();
}

} // namespace

ChannelsPage::ChannelsPage(DeviceLink& link, PageHost& host, const QString& programDirectory, QWidget* parent)
    : Page(parent)
    , m_link(link)
    , m_host(host)
    , m_programDirectory(programDirectory)
{
    setObjectName(QStringLiteral("tslngUserMode"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_model = new ChannelTableModel(this);
    m_model->setObjectName(QStringLiteral("ChannelTableModel"));
    m_document = std::make_unique<ChannelDocument>(*m_model);

    buildEditRow();
    buildList();
    buildMenus();
    buildDialogs();
    installDefaultHooks();
    buildFileCommands();
    buildFieldTools();

    layout->setSpacing(2);
    layout->addWidget(pnlSettings);
    layout->addWidget(lvDMXChannels, 1);

    for (auto signal : {&ChannelTableModel::rowsInserted, &ChannelTableModel::rowsRemoved})
        connect(m_model, signal, this, &ChannelsPage::showChannelCount);
    connect(m_model, &ChannelTableModel::modelReset, this, &ChannelsPage::showChannelCount);

    connect(&m_link, &DeviceLink::channelDumpReceived, this, &ChannelsPage::onChannelDump);

    orderTabChain();
    retranslateUi();

    // The start state of the edit row.
    resetEditPanel();
    onControlModeChanged();
    onDataTypeChanged();
}

QList<QAction*> ChannelsPage::fileMenuActions() const
{
    return m_fileActions;
}

QList<QAction*> ChannelsPage::toolsMenuActions() const
{
    return m_toolsActions;
}

QList<QAction*> ChannelsPage::settingsMenuActions() const
{
    return {m_colorsAction};
}

QList<QAction*> ChannelsPage::selfEnabledActions() const
{
    return {milngUndo, milngRedo};
}

RowColours ChannelsPage::rowColours() const
{
    RowColours colours;
    colours.noLine = m_rowColoursDialog->color(RowColorRole::NOLine);
    colours.noVelocityLine = m_rowColoursDialog->color(RowColorRole::NOVelocityLine);
    colours.ccLine = m_rowColoursDialog->color(RowColorRole::CCLine);
    colours.ccValueLine = m_rowColoursDialog->color(RowColorRole::CCValueLine);
    colours.dmxValueLine = m_rowColoursDialog->color(RowColorRole::DMXValueLine);
    return colours;
}

void ChannelsPage::setRowColours(const RowColours& colours)
{
    m_rowColoursDialog->setColor(RowColorRole::NOLine, colours.noLine);
    m_rowColoursDialog->setColor(RowColorRole::NOVelocityLine, colours.noVelocityLine);
    m_rowColoursDialog->setColor(RowColorRole::CCLine, colours.ccLine);
    m_rowColoursDialog->setColor(RowColorRole::CCValueLine, colours.ccValueLine);
    m_rowColoursDialog->setColor(RowColorRole::DMXValueLine, colours.dmxValueLine);
    lvDMXChannels->viewport()->update();
}

// ---------------------------------------------------------------- layout

void ChannelsPage::buildEditRow()
{
    pnlSettings = named(new QFrame(this), "pnlSettings");
    pnlSettings->setFrameShape(QFrame::NoFrame);
    QWidget* parent = pnlSettings;

    auto header = [parent](const char* name) {
        auto* lbl = named(new QLabel(parent), name);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        lbl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // A caption longer than its column takes more lines, as the English "Data type" does.
        lbl->setWordWrap(true);
        return lbl;
    };
    lblDmxCh = header("lblDMX_CH");
    lblActLbl = header("lblACT_LBL");
    lblActLbl->setWordWrap(true);
    lblVal1 = header("lblVAL_1");
    lblMidiCh = header("lblMIDI_CH");
    lblActOn = header("lblACT_ON");
    lblFromNoCc = header("lblFROM_NO_CC");
    lblToNoCc = header("lblTO_NO_CC");
    lblValVel = header("lblVAL_VEL");
    lblVal2 = header("lblVAL_2");
    ledlngDescrLabel = header("ledlngDescrLabel");

    auto spin = [parent](const char* name, int low, int high) {
        auto* box = named(new QSpinBox(parent), name);
        box->setRange(low, high);
        box->setAccelerated(true);
        box->setKeyboardTracking(true);
        return box;
    };
    auto combo = [parent](const char* name, const QStringList& items) {
        auto* box = named(new EditRowComboBox(parent), name);
        box->setEditable(false);
        box->addItems(items);
        box->setMaxVisibleItems(20);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(1);
        return box;
    };
    // The lists are data: a row takes their texts as they stand.
    sedDmxCh = spin("sedDmxCh", kFirstDmxChannel, kLastDmxChannel);
    cbxActCtrVal = combo("cbxActCtrVal", toQStringList(controlModeList()));
    sedCHVal = spin("sedCHVal", 0, 255);
    cbxMIDICh = combo("cbxMIDICh", toQStringList(midiChannelList()));
    cbxActOn = combo("cbxActOn", toQStringList(activeOnList()));
    cbxFromNotes = combo("cbxFromNotes", toQStringList(noteLabelList()));
    cbxToNotes = combo("cbxToNotes", {});
    cbxVelVal = combo("cbxVelVal", toQStringList(dataTypeList()));
    sedVelVal = spin("sedVelVal", 0, 255);
    ledlngDescr = named(new QLineEdit(parent), "ledlngDescr");

    btnSetDMXCh = named(new QPushButton(parent), "btnSetDMXCh");
    lbllngDMXChannelsCnt = named(new QLabel(parent), "lbllngDMXChannelsCnt");
    lblChannelsNbr = named(new QLabel(QStringLiteral("0"), parent), "lblChannelsNbr");
    QFont bold = lblChannelsNbr->font();
    bold.setBold(true);
    lblChannelsNbr->setFont(bold);
    lblChannelsNbr->setMinimumWidth(lblChannelsNbr->fontMetrics().horizontalAdvance(QStringLiteral("0000")));

    // The boxes stand above the list columns they edit.
    auto* grid = new QGridLayout(pnlSettings);
    grid->setContentsMargins(1, 2, 1, 4);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 4);
    top->setSpacing(6);
    top->addWidget(lbllngDMXChannelsCnt);
    top->addWidget(lblChannelsNbr);
    top->addStretch(1);
    top->addWidget(btnSetDMXCh);
    grid->addLayout(top, 0, 0, 1, kChannelColumnCount);

    QLabel* headers[kChannelColumnCount] = {lblDmxCh,    lblActLbl, lblVal1,   lblMidiCh, lblActOn,
                                            lblFromNoCc, lblToNoCc, lblValVel, lblVal2,   ledlngDescrLabel};
    QWidget* boxes[kChannelColumnCount] = {sedDmxCh,     cbxActCtrVal, sedCHVal,  cbxMIDICh, cbxActOn,
                                           cbxFromNotes, cbxToNotes,   cbxVelVal, sedVelVal, ledlngDescr};
    constexpr int kGap = 3;
    for (int column = 0; column < kChannelColumnCount; ++column) {
        headers[column]->setBuddy(boxes[column]);
        grid->addWidget(headers[column], 1, column);
        grid->addWidget(boxes[column], 2, column);
        if (column < kChannelColumnCount - 1) {
            const int width = ChannelListView::kColumnWidths[column];
            grid->setColumnMinimumWidth(column, width);
            boxes[column]->setFixedWidth(width - kGap);
            headers[column]->setContentsMargins(2, 0, 0, 0);
        } else {
            grid->setColumnStretch(column, 1);
            headers[column]->setContentsMargins(2, 0, 0, 0);
        }
    }
    btnSetDMXCh->setMinimumWidth(110);

    connect(btnSetDMXCh, &QPushButton::clicked, this, &ChannelsPage::setChannelFromEditRow);
    connect(sedDmxCh, &QSpinBox::valueChanged, this, &ChannelsPage::onDmxChannelChanged);
    sedDmxCh->installEventFilter(this);
    connect(cbxFromNotes, &QComboBox::currentIndexChanged, this, &ChannelsPage::onFromNoteChanged);
    connect(cbxActCtrVal, &QComboBox::currentIndexChanged, this, &ChannelsPage::onControlModeChanged);
    connect(cbxVelVal, &QComboBox::currentIndexChanged, this, &ChannelsPage::onDataTypeChanged);
}

void ChannelsPage::buildList()
{
    lvDMXChannels = new ChannelListView(this);
    lvDMXChannels->setChannelModel(m_model);
    m_delegate = new ChannelRowDelegate(
        *m_model,
        [this](RowColorRole role) {
            return m_rowColoursDialog ? m_rowColoursDialog->qcolor(role)
                                      : RowColoursDialog::toQColor(defaultRowColor(role));
        },
        lvDMXChannels);
    lvDMXChannels->setItemDelegate(m_delegate);

    connect(lvDMXChannels, &QAbstractItemView::doubleClicked, this, &ChannelsPage::onListDoubleClicked);
    connect(lvDMXChannels, &ChannelListView::enterReleased, this, &ChannelsPage::onListEnterReleased);
    connect(lvDMXChannels, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        onPopupAboutToShow();
        pupDMXChannels->popup(lvDMXChannels->viewport()->mapToGlobal(pos));
    });
}

void ChannelsPage::buildMenus()
{
    // "User Mode Tools", in menu order.
    auto tool = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        m_toolsActions << action;
        return action;
    };
    auto separator = [this] {
        auto* action = new QAction(this);
        action->setSeparator(true);
        m_toolsActions << action;
    };
    milngAddChannel = tool("milngAddChannel");
    milngAddChannel->setShortcut(QKeySequence(Qt::Key_Insert));
    milngDeleteChannel = tool("milngDeleteChannel");
    milngDeleteChannel->setShortcut(QKeySequence(Qt::Key_Delete));
    milngClearCurChannData = tool("milngClearCurChannData");
    separator();
    milngclrTab = tool("milngclrTab");
    milngDeleteAllChannels = tool("milngDeleteAllChannels");
    separator();
    milngAdd512DMXchannels = tool("milngAdd512DMXchannels");
    separator();
    milngCalculator = tool("milngCalculator");
    milngCalculator->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    separator();
    // Their texts name the step ("Undo Delete 3 channels"); they wait while a
    // device operation runs, as the other commands that change the table do.
    milngUndo = tool("milngUndo");
    milngUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    milngRedo = tool("milngRedo");
    milngRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QUndoStack& steps = m_document->undoStack();
    connect(milngUndo, &QAction::triggered, &steps, &QUndoStack::undo);
    connect(milngRedo, &QAction::triggered, &steps, &QUndoStack::redo);
    const auto refreshUndo = [this] { refreshUndoActions(); };
    // In the document's context: the stack it owns clears itself when the
    // document goes, and the page must not hear of it by then.
    connect(&steps, &QUndoStack::indexChanged, m_document.get(), refreshUndo);
    connect(&steps, &QUndoStack::undoTextChanged, m_document.get(), refreshUndo);
    connect(&steps, &QUndoStack::redoTextChanged, m_document.get(), refreshUndo);
    connect(&m_link, &DeviceLink::busyChanged, this, refreshUndo);

    milngColors = new QAction(this);
    milngColors->setObjectName(QStringLiteral("milngColors"));
    m_colorsAction = milngColors;

    connect(milngAddChannel, &QAction::triggered, this, &ChannelsPage::addChannelFromMenu);
    connect(milngDeleteChannel, &QAction::triggered, this, &ChannelsPage::deleteSelectedChannels);
    connect(milngClearCurChannData, &QAction::triggered, this, &ChannelsPage::clearSelectedChannelData);
    connect(milngclrTab, &QAction::triggered, this, &ChannelsPage::clearAllChannelData);
    connect(milngDeleteAllChannels, &QAction::triggered, this, &ChannelsPage::deleteAllChannels);
    connect(milngAdd512DMXchannels, &QAction::triggered, this, &ChannelsPage::addAllChannels);
    connect(milngCalculator, &QAction::triggered, this, &ChannelsPage::showCalculator);
    connect(milngColors, &QAction::triggered, this, &ChannelsPage::editRowColours);

    auto item = [](QMenu* menu, const char* name) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    pupDMXChannels = named(new QMenu(this), "pupDMXChannels");
    milngAddChannel1 = item(pupDMXChannels, "milngAddChannel1");
    milngRemoveChannel1 = item(pupDMXChannels, "milngRemoveChannel1");
    milngClearchanneldata1 = item(pupDMXChannels, "milngClearchanneldata1");
    pupDMXChannels->addSeparator();
    milngCopyPaste = item(pupDMXChannels, "milngCopyPaste");
    pupDMXChannels->addSeparator();
    milngDescr = item(pupDMXChannels, "milngDescr");
    connect(pupDMXChannels, &QMenu::aboutToShow, this, &ChannelsPage::onPopupAboutToShow);

    connect(milngAddChannel1, &QAction::triggered, this, &ChannelsPage::addChannelFromMenu);
    connect(milngRemoveChannel1, &QAction::triggered, this, &ChannelsPage::deleteSelectedChannels);
    connect(milngClearchanneldata1, &QAction::triggered, this, &ChannelsPage::clearSelectedChannelData);
    connect(milngCopyPaste, &QAction::triggered, this, &ChannelsPage::copySelectedChannels);
    connect(milngDescr, &QAction::triggered, this, &ChannelsPage::editDescription);
}

void ChannelsPage::buildDialogs()
{
    m_rowColoursDialog = new RowColoursDialog(this);
    m_descriptionDialog = new DescriptionDialog(this);
    m_channelInput = new ChannelInputDialog(this);
    m_calculator = new CalculatorDialog(this);

    m_channelInput->showMessage = [this](const QString& text) { showMessage(text); };
    connect(m_descriptionDialog, &DescriptionDialog::descriptionUpdated, this,
            &ChannelsPage::writeDescriptionToCurrentRow);
}

void ChannelsPage::installDefaultHooks()
{
    askWithButtons
        = [this](const QString& caption, const QString& message, const QString& first, const QString& second) {
              QMessageBox box(QMessageBox::Warning, caption, displayText(message), QMessageBox::NoButton, this);
              QPushButton* firstButton = box.addButton(first, QMessageBox::YesRole);
              QPushButton* secondButton = box.addButton(second, QMessageBox::NoRole);
              box.setDefaultButton(firstButton);
              box.setEscapeButton(secondButton);
              box.exec();
              return box.clickedButton() == firstButton ? 1 : 2;
          };
    inputBox = [this](const QString& caption, const QString& prompt, const QString& text) -> std::optional<QString> {
        QInputDialog dialog(this);
        dialog.setObjectName(QStringLiteral("InputBox"));
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setWindowTitle(caption);
        dialog.setLabelText(prompt);
        dialog.setTextValue(text);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    };
    runChannelInput = [](ChannelInputDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    runDescrForm = [](DescriptionDialog& dialog) { dialog.exec(); };
    runColorSettings = [](RowColoursDialog& dialog) { return dialog.exec(); };
    askUnsavedChanges = [this] {
        QMessageBox box(QMessageBox::Warning, tr("VANTOREL Control Center"),
                        tr("Save the changes to the channel table?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("UnsavedChangesBox"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Save   ? UnsavedChoice::Save
            : answer == QMessageBox::Discard ? UnsavedChoice::Discard
                                             : UnsavedChoice::Cancel;
    };
}

bool ChannelsPage::mayDropTable()
{
    return vantorel::mayDropTable(
        m_document->isModified(), [this] { return askUnsavedChanges ? askUnsavedChanges() : UnsavedChoice::Cancel; },
        [this] { return saveChannelFile(); });
}

void ChannelsPage::refreshUndoActions()
{
    const QUndoStack& steps = m_document->undoStack();
    const bool idle = !m_link.busy();
    // An "&" of a step ("Copy & paste") is no mnemonic.
    auto shown = [](QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); };
    milngUndo->setEnabled(idle && steps.canUndo());
    milngUndo->setText(steps.canUndo() ? tr("Undo %1").arg(shown(steps.undoText())) : tr("Undo"));
    milngRedo->setEnabled(idle && steps.canRedo());
    milngRedo->setText(steps.canRedo() ? tr("Redo %1").arg(shown(steps.redoText())) : tr("Redo"));
}

ChannelTableEdit ChannelsPage::recordEdit(const QString& caption)
{
    return ChannelTableEdit(m_document->undoStack(), *m_model, caption);
}

// ---------------------------------------------------------------- texts

void ChannelsPage::retranslateUi()
{
    // The edit row: the captions above the boxes, the boxes' names and hints.
    struct BoxTexts {
        QLabel* label;
        QWidget* box;
        QString caption, name, hint;
    };
    const auto name = &ChannelTableModel::columnName;
    const BoxTexts boxes[] = {
        {lblDmxCh, sedDmxCh, tr("DMX ch."), name(ColDmxChannel), tr("DMX channel number")},
        {lblActLbl, cbxActCtrVal, tr("Active Ctrl/Value"), name(ColControlMode),
         tr("General control mode.\r\nActive - incoming data,\r\nValue - always on with value \"Data =\". ")},
        {lblVal1, sedCHVal, tr("Data ="), name(ColConstantValue),
         tr("Fixed value of the constantly activated DMX channel.")},
        {lblMidiCh, cbxMIDICh, tr("MIDI ch."), name(ColMidiChannel), tr("MIDI channel for this DMX channel.")},
        {lblActOn, cbxActOn, tr("Active on"), name(ColActiveOn), tr("MIDI message for this DMX channel.")},
        {lblFromNoCc, cbxFromNotes, tr("From\r\nNote On/CC"), name(ColFromNumber),
         tr("DMX channel active from this Note/CC.")},
        {lblToNoCc, cbxToNotes, tr("To\r\nNote On/CC"), name(ColToNumber), tr("DMX channel active to this Note/CC.")},
        {lblValVel, cbxVelVal, tr("Data type\r\nVelocity/Value"), name(ColDataType),
         tr("DMX channel control value.\r\nVelocity - incoming data,\r\nValue - fixed from next list Data =.")},
        {lblVal2, sedVelVal, tr("Data ="), name(ColFixedValue), tr("Value for the DMX channel if fixed value used.")},
        {ledlngDescrLabel, ledlngDescr, tr("Description"), name(ColDescription), QString()},
    };
    for (const BoxTexts& texts : boxes) {
        texts.label->setText(texts.caption);
        // The captions are short and two "Data =" stand side by side: the
        // boxes are named for what they hold.
        texts.box->setAccessibleName(texts.name);
        texts.box->setToolTip(texts.hint);
        texts.box->setAccessibleDescription(describedHint(texts.hint));
    }
    btnSetDMXCh->setText(tr("Set channel"));
    btnSetDMXCh->setToolTip(
        tr("On click sets data of the channel from data boxes.\r\nOn double click adds channel to DMX list."));
    btnSetDMXCh->setAccessibleDescription(describedHint(btnSetDMXCh->toolTip()));
    lbllngDMXChannelsCnt->setText(tr("DMX Channels:"));
    m_model->retranslate();
    lvDMXChannels->setAccessibleName(tr("DMX channels"));
    lvDMXChannels->setAccessibleDescription(tr("One row per DMX channel; the Menu key opens its commands."));

    // "User Mode Tools", the list's popup menu and "Colors".
    const std::pair<QAction*, QString> actions[] = {
        {milngAddChannel, tr("Add channel")},
        {milngDeleteChannel, tr("Delete channel")},
        {milngClearCurChannData, tr("Clear current channel data")},
        {milngclrTab, tr("Clear all channels data")},
        {milngDeleteAllChannels, tr("Delete all channels")},
        {milngAdd512DMXchannels, tr("Add 512 DMX channels")},
        {milngCalculator, tr("16 bit values calculator")},
        {milngColors, tr("Colors")},
        {milngAddChannel1, tr("Add Channel")},
        {milngRemoveChannel1, tr("Delete channel (s)")},
        {milngClearchanneldata1, tr("Clear channel(s) data")},
        {milngCopyPaste, tr("Copy && paste selected")},
        {milngDescr, tr("Show and edit full description")},
        {milngOpenSettings, tr("Open channels settings")},
        {milngSaveSettings, tr("Save channels settings")},
        {milngGetFromDevice, tr("Read from device")},
        {milngSendToDevice, tr("Write to device")},
        {m_sendChangesAction, tr("Write changes to device")},
        {milngVerifyAfterWrite, tr("Verify after writing")},
    };
    for (const auto& [action, text] : actions)
        action->setText(text);
    refreshUndoActions();
    retranslateFieldTools();
}

void ChannelsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    Page::changeEvent(event);
}

// ---------------------------------------------------------------- events

bool ChannelsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sedDmxCh && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
            onDmxChannelEntered();
    }
    return QObject::eventFilter(watched, event);
}

void ChannelsPage::showChannelCount()
{
    lblChannelsNbr->setText(QString::number(m_model->size()));
}

void ChannelsPage::showUserModePage()
{
    m_host.showPage(PageId::Channels);
}

void ChannelsPage::showMessage(const QString& text)
{
    m_host.showMessage(text);
}

int ChannelsPage::askUser(const QString& caption, const QString& message, const QString& first, const QString& second)
{
    return askWithButtons ? askWithButtons(caption, message, first, second) : 2;
}

void ChannelsPage::prepareEditRow()
{
    showChannelCount();
    onControlModeChanged();
    onDataTypeChanged();
    if (!m_model->isEmpty()) {
        lvDMXChannels->makeCurrent(0);
        loadRowIntoPanel();
    }
    onFromNoteChanged();
}

void ChannelsPage::resetEditRowSelections()
{
    cbxActCtrVal->setCurrentIndex(0);
    cbxActOn->setCurrentIndex(0);
    cbxVelVal->setCurrentIndex(0);
    setFromNote(0);
    onControlModeChanged();
    onDataTypeChanged();
}

} // namespace vantorel
