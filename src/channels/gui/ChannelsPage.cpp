#include "channels/gui/ChannelsPage.h"

#include "app/MainWindow.h"
#include "link/DeviceLink.h"
#include "channels/gui/ChannelFileCommands.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/EditRowComboBox.h"
#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "settings/gui/RowColoursDialog.h"

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

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QStringList ToQStringList(const std::vector<std::string>& list)
{
    QStringList result;
    result.reserve(int(list.size()));
    for (const std::string& entry : list)
        result << QString::fromStdString(entry);
    return result;
}

// Captions and hints; line breaks are CR LF.
QString Lines(const char* text)
{
    return QString::fromLatin1(text);
}

} // namespace

ChannelsPage::ChannelsPage(MainWindow& form)
    : QObject(&form)
    , m_form(form)
{
    setObjectName(QStringLiteral("ChannelsPage"));
    m_model = new ChannelTableModel(this);
    m_model->setObjectName(QStringLiteral("ChannelTableModel"));

    buildEditRow();
    buildList();
    buildMenus();
    buildDialogs();
    installDefaultHooks();
    fileCommands = new ChannelFileCommands(m_form, *this);

    auto* layout = qobject_cast<QVBoxLayout*>(m_form.tslngUserMode->layout());
    if (!layout) {
        layout = new QVBoxLayout(m_form.tslngUserMode);
        layout->setContentsMargins(4, 4, 4, 4);
    }
    layout->setSpacing(2);
    layout->addWidget(pnlSettings);
    layout->addWidget(lvDMXChannels, 1);

    for (auto signal : {&ChannelTableModel::rowsInserted, &ChannelTableModel::rowsRemoved})
        connect(m_model, signal, this, &ChannelsPage::showChannelCount);
    connect(m_model, &ChannelTableModel::modelReset, this, &ChannelsPage::showChannelCount);

    connect(&m_form.link(), &DeviceLink::channelDumpReceived, this, &ChannelsPage::onChannelDump);

    // The settings file keeps the row colours of the colour dialog and the
    // calculator's position.
    m_form.rowColours = [this] {
        RowColours colours;
        colours.noLine = DMXUserSetForm->color(RowColorRole::NOLine);
        colours.noVelocityLine = DMXUserSetForm->color(RowColorRole::NOVelocityLine);
        colours.ccLine = DMXUserSetForm->color(RowColorRole::CCLine);
        colours.ccValueLine = DMXUserSetForm->color(RowColorRole::CCValueLine);
        colours.dmxValueLine = DMXUserSetForm->color(RowColorRole::DMXValueLine);
        return colours;
    };
    m_form.setRowColours = [this](const RowColours& colours) {
        DMXUserSetForm->setColor(RowColorRole::NOLine, colours.noLine);
        DMXUserSetForm->setColor(RowColorRole::NOVelocityLine, colours.noVelocityLine);
        DMXUserSetForm->setColor(RowColorRole::CCLine, colours.ccLine);
        DMXUserSetForm->setColor(RowColorRole::CCValueLine, colours.ccValueLine);
        DMXUserSetForm->setColor(RowColorRole::DMXValueLine, colours.dmxValueLine);
        lvDMXChannels->viewport()->update();
    };
    m_form.setCalculatorWindow(CalcForm);

    // The start state of the edit row.
    ResetEditPanel();
    cbxActCtrValChange();
    cbxVelValChange();
}

ChannelsPage::~ChannelsPage() = default;

// ---------------------------------------------------------------- layout

void ChannelsPage::buildEditRow()
{
    pnlSettings = named(new QFrame(m_form.tslngUserMode), "pnlSettings");
    pnlSettings->setFrameShape(QFrame::NoFrame);
    QWidget* parent = pnlSettings;

    auto header = [parent](const char* name, const char* text) {
        auto* lbl = named(new QLabel(Lines(text), parent), name);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        lbl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        return lbl;
    };
    lblDMX_CH = header("lblDMX_CH", "DMX ch.");
    lblACT_LBL = header("lblACT_LBL", "Active Ctrl/Value");
    lblACT_LBL->setWordWrap(true);
    lblVAL_1 = header("lblVAL_1", "Data =");
    lblMIDI_CH = header("lblMIDI_CH", "MIDI ch.");
    lblACT_ON = header("lblACT_ON", "Active on");
    lblFROM_NO_CC = header("lblFROM_NO_CC", "From\r\nNote On/CC");
    lblTO_NO_CC = header("lblTO_NO_CC", "To\r\nNote On/CC");
    lblVAL_VEL = header("lblVAL_VEL", "Data type\r\nVelocity/Value");
    lblVAL_2 = header("lblVAL_2", "Data =");
    ledlngDescrLabel = header("ledlngDescrLabel", "Description");

    auto spin = [parent](const char* name, int low, int high, const char* hint) {
        auto* box = named(new QSpinBox(parent), name);
        box->setRange(low, high);
        box->setAccelerated(true);
        box->setKeyboardTracking(true);
        box->setToolTip(Lines(hint));
        return box;
    };
    auto combo = [parent](const char* name, const QStringList& items, const char* hint) {
        auto* box = named(new EditRowComboBox(parent), name);
        box->setEditable(false);
        box->addItems(items);
        box->setToolTip(Lines(hint));
        box->setMaxVisibleItems(20);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(1);
        return box;
    };
    sedDmxCh = spin("sedDmxCh", kFirstDmxChannel, kLastDmxChannel, "DMX channel number");
    cbxActCtrVal = combo("cbxActCtrVal", ToQStringList(ControlModeList()),
        "General control mode.\r\nActive - incoming data,\r\nValue - always on with value \"Data =\". ");
    sedCHVal = spin("sedCHVal", 0, 255, "Fixed value of the constantly activated DMX channel.");
    cbxMIDICh = combo("cbxMIDICh", ToQStringList(MidiChannelList()), "MIDI channel for this DMX channel.");
    cbxActOn = combo("cbxActOn", ToQStringList(ActiveOnList()), "MIDI message for this DMX channel.");
    cbxFromNotes = combo("cbxFromNotes", ToQStringList(NoteLabelList()), "DMX channel active from this Note/CC.");
    cbxToNotes = combo("cbxToNotes", {}, "DMX channel active to this Note/CC.");
    cbxVelVal = combo("cbxVelVal", ToQStringList(DataTypeList()),
        "DMX channel control value.\r\nVelocity - incoming data,\r\nValue - fixed from next list Data =.");
    sedVelVal = spin("sedVelVal", 0, 255, "Value for the DMX channel if fixed value used.");
    ledlngDescr = named(new QLineEdit(parent), "ledlngDescr");
    ledlngDescrLabel->setBuddy(ledlngDescr);
    lblDMX_CH->setBuddy(sedDmxCh);

    btnSetDMXCh = named(new QPushButton(QStringLiteral("Set channel"), parent), "btnSetDMXCh");
    btnSetDMXCh->setToolTip(
        Lines("On click sets data of the channel from data boxes.\r\nOn double click adds channel to DMX list."));
    lbllngDMXChannelsCnt = named(new QLabel(QStringLiteral("DMX Channels:"), parent), "lbllngDMXChannelsCnt");
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

    QLabel* headers[kChannelColumnCount] = {lblDMX_CH, lblACT_LBL, lblVAL_1, lblMIDI_CH, lblACT_ON,
                                            lblFROM_NO_CC, lblTO_NO_CC, lblVAL_VEL, lblVAL_2, ledlngDescrLabel};
    QWidget* boxes[kChannelColumnCount] = {sedDmxCh, cbxActCtrVal, sedCHVal, cbxMIDICh, cbxActOn,
                                           cbxFromNotes, cbxToNotes, cbxVelVal, sedVelVal, ledlngDescr};
    constexpr int kGap = 3;
    for (int column = 0; column < kChannelColumnCount; ++column) {
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

    connect(btnSetDMXCh, &QPushButton::clicked, this, &ChannelsPage::btnSetDMXChClick);
    connect(sedDmxCh, &QSpinBox::valueChanged, this, &ChannelsPage::sedDmxChChange);
    sedDmxCh->installEventFilter(this);
    connect(cbxFromNotes, &QComboBox::currentIndexChanged, this, &ChannelsPage::cbxFromNotesChange);
    connect(cbxActCtrVal, &QComboBox::currentIndexChanged, this, &ChannelsPage::cbxActCtrValChange);
    connect(cbxVelVal, &QComboBox::currentIndexChanged, this, &ChannelsPage::cbxVelValChange);
}

void ChannelsPage::buildList()
{
    lvDMXChannels = new ChannelListView(m_form.tslngUserMode);
    lvDMXChannels->setChannelModel(m_model);
    m_delegate = new ChannelRowDelegate(*m_model, [this](RowColorRole role) {
        return DMXUserSetForm ? DMXUserSetForm->qcolor(role) : RowColoursDialog::ToQColor(DefaultRowColor(role));
    }, lvDMXChannels);
    lvDMXChannels->setItemDelegate(m_delegate);

    connect(lvDMXChannels, &QAbstractItemView::doubleClicked, this, &ChannelsPage::lvDMXChannelsDblClick);
    connect(lvDMXChannels, &ChannelListView::enterReleased, this, &ChannelsPage::lvDMXChannelsKeyUp);
    connect(lvDMXChannels, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        pupDMXChannelsPopup();
        pupDMXChannels->popup(lvDMXChannels->viewport()->mapToGlobal(pos));
    });
}

void ChannelsPage::buildMenus()
{
    QMenu* tools = m_form.milngUserTools;
    auto item = [this](QMenu* menu, const char* name, const char* text) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    milngAddChannel = item(tools, "milngAddChannel", "Add channel");
    milngAddChannel->setShortcut(QKeySequence(Qt::Key_Insert));
    milngDeleteChannel = item(tools, "milngDeleteChannel", "Delete channel");
    milngDeleteChannel->setShortcut(QKeySequence(Qt::Key_Delete));
    milngClearCurChannData = item(tools, "milngClearCurChannData", "Clear current channel data");
    tools->addSeparator();
    milngclrTab = item(tools, "milngclrTab", "Clear all channels data");
    milngDeleteAllChannels = item(tools, "milngDeleteAllChannels", "Delete all channels");
    tools->addSeparator();
    milngAdd512DMXchannels = item(tools, "milngAdd512DMXchannels", "Add 512 DMX channels");
    tools->addSeparator();
    milngCalculator = item(tools, "milngCalculator", "16 bit values calculator");
    milngCalculator->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

    milngColors = new QAction(QStringLiteral("Colors"), m_form.milngSettings);
    milngColors->setObjectName(QStringLiteral("milngColors"));
    m_form.milngSettings->insertAction(m_form.milngLanguage, milngColors);

    connect(milngAddChannel, &QAction::triggered, this, &ChannelsPage::milngAddChannel1Click);
    connect(milngDeleteChannel, &QAction::triggered, this, &ChannelsPage::milngDeleteChannelClick);
    connect(milngClearCurChannData, &QAction::triggered, this, &ChannelsPage::milngClearCurChannDataClick);
    connect(milngclrTab, &QAction::triggered, this, &ChannelsPage::milngclrTabClick);
    connect(milngDeleteAllChannels, &QAction::triggered, this, &ChannelsPage::milngDeleteAllChannelsClick);
    connect(milngAdd512DMXchannels, &QAction::triggered, this, &ChannelsPage::milngAdd512DMXchannelsClick);
    connect(milngCalculator, &QAction::triggered, this, &ChannelsPage::milngCalculatorClick);
    connect(milngColors, &QAction::triggered, this, &ChannelsPage::milngColorsClick);
    for (QAction* action : {milngAddChannel, milngDeleteChannel, milngClearCurChannData, milngclrTab,
                            milngDeleteAllChannels, milngAdd512DMXchannels, milngCalculator, milngColors})
        m_form.addChannelAction(action);

    pupDMXChannels = named(new QMenu(&m_form), "pupDMXChannels");
    milngAddChannel1 = item(pupDMXChannels, "milngAddChannel1", "Add Channel");
    milngRemoveChannel1 = item(pupDMXChannels, "milngRemoveChannel1", "Delete channel (s)");
    milngClearchanneldata1 = item(pupDMXChannels, "milngClearchanneldata1", "Clear channel(s) data");
    pupDMXChannels->addSeparator();
    milngCopyPaste = item(pupDMXChannels, "milngCopyPaste", "Copy && paste selected");
    pupDMXChannels->addSeparator();
    milngDescr = item(pupDMXChannels, "milngDescr", "Show and edit full description");
    connect(pupDMXChannels, &QMenu::aboutToShow, this, &ChannelsPage::pupDMXChannelsPopup);

    connect(milngAddChannel1, &QAction::triggered, this, &ChannelsPage::milngAddChannel1Click);
    connect(milngRemoveChannel1, &QAction::triggered, this, &ChannelsPage::milngDeleteChannelClick);
    connect(milngClearchanneldata1, &QAction::triggered, this, &ChannelsPage::milngClearCurChannDataClick);
    connect(milngCopyPaste, &QAction::triggered, this, &ChannelsPage::milngCopyPasteClick);
    connect(milngDescr, &QAction::triggered, this, &ChannelsPage::milngDescrClick);
}

void ChannelsPage::buildDialogs()
{
    DMXUserSetForm = new RowColoursDialog(&m_form);
    DescrForm = new DescriptionDialog(&m_form);
    DMXChannelInputForm = new ChannelInputDialog(&m_form);
    CalcForm = new CalculatorDialog(&m_form);

    DMXChannelInputForm->showMessage = [this](const QString& text) { showMessage(text); };
    connect(DescrForm, &DescriptionDialog::descriptionUpdated, this, &ChannelsPage::writeDescriptionToCurrentRow);
}

void ChannelsPage::installDefaultHooks()
{
    askWithButtons = [this](const QString& caption, const QString& message, const QString& first,
                            const QString& second) {
        QMessageBox box(QMessageBox::Warning, caption, QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        QMessageBox::NoButton, &m_form);
        QPushButton* firstButton = box.addButton(first, QMessageBox::YesRole);
        QPushButton* secondButton = box.addButton(second, QMessageBox::NoRole);
        box.setDefaultButton(firstButton);
        box.setEscapeButton(secondButton);
        box.exec();
        return box.clickedButton() == firstButton ? 1 : 2;
    };
    inputBox = [this](const QString& caption, const QString& prompt, const QString& text) -> std::optional<QString> {
        QInputDialog dialog(&m_form);
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
}

// ---------------------------------------------------------------- events

bool ChannelsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sedDmxCh && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
            sedDmxChKeyUp();
    }
    return QObject::eventFilter(watched, event);
}

void ChannelsPage::showChannelCount()
{
    lblChannelsNbr->setText(QString::number(m_model->size()));
}

void ChannelsPage::showUserModePage()
{
    m_form.selectPage(MainWindow::PageUserMode);
}

void ChannelsPage::showMessage(const QString& text)
{
    if (m_form.showMessage)
        m_form.showMessage(text);
}

int ChannelsPage::AskWithButtons(const QString& caption, const QString& message, const QString& first,
                                 const QString& second)
{
    return askWithButtons ? askWithButtons(caption, message, first, second) : 2;
}

void ChannelsPage::FormShowEditRow()
{
    showChannelCount();
    cbxActCtrValChange();
    cbxVelValChange();
    if (!m_model->isEmpty()) {
        lvDMXChannels->makeCurrent(0);
        LoadRowIntoPanel();
    }
    cbxFromNotesChange();
}

void ChannelsPage::FormShowResetSelections()
{
    cbxActCtrVal->setCurrentIndex(0);
    cbxActOn->setCurrentIndex(0);
    cbxVelVal->setCurrentIndex(0);
    setFromNote(0);
    cbxActCtrValChange();
    cbxVelValChange();
}
