// The field tools of the User Mode page: MIDI learn into the edit row, a
// test of the selected row on the rig, and a fixture patched from its
// definition file.

#include "channels/gui/ChannelsPage.h"

#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "fixtures/FixtureFile.h"
#include "fixtures/gui/PatchFixtureDialog.h"
#include "learn/LearnSession.h"
#include "learn/MappingTester.h"
#include "link/DeviceLink.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"
#include "util/qt/TextConversions.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QKeyEvent>
#include <QApplication>
#include <QSpinBox>

namespace vantorel {

// The widgets, actions and helpers of the field tools (children of the page).
class ChannelFieldTools : public QObject {
public:
    ChannelFieldTools(DeviceLink& link, QWidget* page)
        : QObject(page)
        , link(link)
        , session(new LearnSession(link.ports(), this))
        , tester(new MappingTester(link, this))
    { }

    // Every input port except the device's; the chosen one stays chosen.
    void refreshPorts()
    {
        const QSignalBlocker quiet(portBox);
        portBox->clear();
        for (const QString& name : link.inputPortNames())
            if (name != link.selectedInput())
                portBox->addItem(name);
        // Before any choice, the first port is offered.
        portBox->setCurrentIndex(chosenPort.isEmpty() ? 0 : portBox->findText(chosenPort));
    }

    void status(const QString& text) { emit link.statusText(text); }

    // Esc anywhere in the program cancels a learning in progress.
    void listenForEscape(bool on)
    {
        if (on)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && session->active()) {
            // Before any shortcut of the window: this Esc is the learning's.
            event->accept();
            if (event->type() == QEvent::KeyPress)
                onEscape();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

    DeviceLink& link;
    LearnSession* session;
    MappingTester* tester;
    QString chosenPort; // as the settings keep it, also while it is not plugged in
    QString fixtureFolder;
    QLabel* portLabel = nullptr;
    QComboBox* portBox = nullptr;
    QPushButton* learnButton = nullptr;
    QPushButton* testButton = nullptr;
    QAction* learnAction = nullptr; // "User Mode Tools"
    QAction* learnItem = nullptr; // the list's popup menu
    QAction* testItem = nullptr;
    QAction* patchAction = nullptr;
    std::function<void()> onEscape;
};

void ChannelsPage::buildFieldTools()
{
    auto* tools = new ChannelFieldTools(m_link, this);
    m_fieldTools = tools;

    // Beside "Set channel": Learn from [port] Learn Test.
    tools->portLabel = named(new QLabel(pnlSettings), "lbllngLearnFrom");
    tools->portBox = named(new QComboBox(pnlSettings), "cbxLearnPort");
    tools->portBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    tools->portLabel->setBuddy(tools->portBox);
    tools->learnButton = named(new QPushButton(pnlSettings), "btnlngLearn");
    tools->learnButton->setCheckable(true);
    tools->testButton = named(new QPushButton(pnlSettings), "btnlngTestChannel");
    // In the row of "Set channel", before it; in a row of their own should
    // that row ever be laid out differently.
    auto* grid = qobject_cast<QGridLayout*>(pnlSettings->layout());
    QLayoutItem* topItem = grid ? grid->itemAtPosition(0, 0) : nullptr;
    auto* top = topItem ? qobject_cast<QHBoxLayout*>(topItem->layout()) : nullptr;
    int at = top ? top->indexOf(btnSetDMXCh) : -1;
    if (at < 0 && grid) {
        top = new QHBoxLayout;
        top->addStretch(1);
        grid->addLayout(top, grid->rowCount(), 0, 1, kChannelColumnCount);
        at = 1;
    }
    for (QWidget* widget : {static_cast<QWidget*>(tools->portLabel), static_cast<QWidget*>(tools->portBox),
                            static_cast<QWidget*>(tools->learnButton), static_cast<QWidget*>(tools->testButton)})
        if (top)
            top->insertWidget(at++, widget);

    auto action = [this](const char* name) {
        auto* created = new QAction(this);
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };
    tools->learnAction = action("milngLearn");
    tools->patchAction = action("milngPatchFixture");
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_toolsActions << separator << tools->learnAction << tools->patchAction;
    tools->learnItem = action("milngLearn1");
    tools->testItem = action("milngTestChannel1");
    pupDMXChannels->addSeparator();
    pupDMXChannels->addAction(tools->learnItem);
    pupDMXChannels->addAction(tools->testItem);

    tools->onEscape = [this] { cancelLearning(); };
    // Learn.
    tools->refreshPorts();
    connect(tools->portBox, &QComboBox::activated, this,
            [tools] { tools->chosenPort = tools->portBox->currentText(); });
    connect(&m_link, &DeviceLink::portListsChanged, this, [tools] { tools->refreshPorts(); });
    connect(tools->learnButton, &QPushButton::clicked, this, &ChannelsPage::learnIntoEditRow);
    for (QAction* learn : {tools->learnAction, tools->learnItem})
        connect(learn, &QAction::triggered, this, &ChannelsPage::learnIntoEditRow);
    connect(tools->session, &LearnSession::finished, this,
            [this, tools](const GestureRecorder::Outcome& outcome, const QString& message) {
                tools->learnButton->setChecked(false);
                tools->listenForEscape(false);
                if (outcome.status == GestureRecorder::Outcome::Status::Learned) {
                    // The edit row only: "Set channel" stores it, as one undo step.
                    const LearnedMapping& learned = outcome.mapping;
                    cbxActCtrVal->setCurrentIndex(0);
                    cbxMIDICh->setCurrentIndex(learned.midiChannel - 1);
                    cbxActOn->setCurrentIndex(learned.controlChange ? 1 : 0);
                    setFromNote(learned.from);
                    cbxToNotes->setCurrentIndex(learned.to - learned.from);
                    if (learned.velocity)
                        cbxVelVal->setCurrentIndex(0);
                    onControlModeChanged();
                }
                tools->status(message);
            });

    // Test: held while the button is down; from the popup menu, a click.
    auto testable = [this] { return testableRow() >= 0; };
    auto pressTest = [this, testable, tools] {
        if (testable())
            tools->tester->press(*mappingTestFor(m_model->row(testableRow())));
    };
    connect(tools->testButton, &QPushButton::pressed, this, pressTest);
    connect(tools->testButton, &QPushButton::released, tools->tester, &MappingTester::release);
    connect(tools->testItem, &QAction::triggered, this, [tools, pressTest] {
        pressTest();
        tools->tester->release();
    });
    auto refreshTest = [tools, testable] { tools->testButton->setEnabled(testable()); };
    connect(lvDMXChannels->selectionModel(), &QItemSelectionModel::selectionChanged, this, refreshTest);
    connect(lvDMXChannels->selectionModel(), &QItemSelectionModel::currentChanged, this, refreshTest);
    connect(m_model, &QAbstractItemModel::dataChanged, this, refreshTest);
    connect(m_model, &QAbstractItemModel::modelReset, this, refreshTest);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, refreshTest);
    connect(&m_link, &DeviceLink::busyChanged, this, refreshTest);
    refreshTest();

    // Patch.
    connect(tools->patchAction, &QAction::triggered, this, &ChannelsPage::patchFixture);
    openFixtureFileName = [this](const QString& startDir) {
        return QFileDialog::getOpenFileName(this, tr("Patch fixture"), startDir,
                                            tr("Fixture definitions (*.qxf);;All files (*)"));
    };
    runPatchFixture = [](PatchFixtureDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
}

void ChannelsPage::retranslateFieldTools()
{
    ChannelFieldTools& tools = *m_fieldTools;
    tools.portLabel->setText(tr("Learn from"));
    tools.portBox->setToolTip(tr("The controller's MIDI port that \"Learn\" listens to."));
    tools.learnButton->setText(tr("Learn"));
    tools.learnButton->setToolTip(
        tr("Fills the edit row from a control moved or notes played on the \"Learn from\" port."));
    tools.testButton->setText(tr("Test"));
    tools.testButton->setToolTip(tr("Sends the selected row's message to the device while the button is held."));
    tools.portBox->setAccessibleName(tools.portLabel->text());
    for (QWidget* widget : {static_cast<QWidget*>(tools.portBox), static_cast<QWidget*>(tools.learnButton),
                            static_cast<QWidget*>(tools.testButton)})
        widget->setAccessibleDescription(widget->toolTip());
    tools.learnAction->setText(tr("Learn"));
    tools.learnItem->setText(tr("Learn"));
    tools.testItem->setText(tr("Test"));
    tools.patchAction->setText(tr("Patch fixture..."));
}

void ChannelsPage::orderTabChain()
{
    const ChannelFieldTools& tools = *m_fieldTools;
    QWidget* const chain[] = {sedDmxCh,      cbxActCtrVal,  sedCHVal,          cbxMIDICh,        cbxActOn,
                              cbxFromNotes,  cbxToNotes,    cbxVelVal,         sedVelVal,        ledlngDescr,
                              lvDMXChannels, tools.portBox, tools.learnButton, tools.testButton, btnSetDMXCh};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void ChannelsPage::enableFieldToolItems()
{
    m_fieldTools->learnItem->setEnabled(true);
    m_fieldTools->testItem->setEnabled(testableRow() >= 0);
}

int ChannelsPage::testableRow() const
{
    // One selected row that sends something; it sends to the device, so not
    // while an operation waits for it.
    if (m_link.busy() || lvDMXChannels->selectedRowNumbers().size() != 1)
        return -1;
    const int row = currentRow();
    return row >= 0 && mappingTestFor(m_model->row(row)) ? row : -1;
}

LearnSession& ChannelsPage::learnSession()
{
    return *m_fieldTools->session;
}

QString ChannelsPage::learnPort() const
{
    return m_fieldTools->chosenPort;
}

void ChannelsPage::setLearnPort(const QString& name)
{
    m_fieldTools->chosenPort = name;
    m_fieldTools->refreshPorts();
}

void ChannelsPage::learnIntoEditRow()
{
    ChannelFieldTools& tools = *m_fieldTools;
    if (tools.session->active()) {
        cancelLearning();
        return;
    }
    tools.learnButton->setChecked(false);
    tools.refreshPorts();
    if (tools.chosenPort.isEmpty() && tools.portBox->count() > 0)
        tools.chosenPort = tools.portBox->currentText();
    if (tools.portBox->currentIndex() < 0) {
        showMessage(tools.chosenPort.isEmpty() ? tr("There is no MIDI input port to learn from besides the device's.")
                                               : tr("The MIDI input port %1 is not there.").arg(tools.chosenPort));
        return;
    }
    if (const Result<void> started = tools.session->start(tools.portBox->currentText()); !started) {
        showMessage(errorText(started.error()));
        return;
    }
    tools.learnButton->setChecked(true);
    tools.listenForEscape(true);
    tools.status(tr("Move a control or play the notes..."));
}

void ChannelsPage::cancelLearning()
{
    ChannelFieldTools& tools = *m_fieldTools;
    tools.listenForEscape(false);
    tools.learnButton->setChecked(false);
    if (!tools.session->active())
        return;
    tools.session->cancel();
    tools.status(tr("Learning cancelled."));
}

void ChannelsPage::patchFixture()
{
    ChannelFieldTools& tools = *m_fieldTools;
    const QString path = openFixtureFileName
        ? openFixtureFileName(tools.fixtureFolder.isEmpty() ? QDir::homePath() : tools.fixtureFolder)
        : QString();
    if (path.isEmpty())
        return;
    tools.fixtureFolder = QFileInfo(path).absolutePath();
    const FixtureFileLoad load = loadFixtureFile(path);
    if (!load.ok()) {
        showMessage(load.message);
        return;
    }
    const int highest = highestDmxNumber(m_model->rows());
    PatchFixtureDialog dialog(load.fixture, highest < kLastDmxChannel ? highest + 1 : kFirstDmxChannel, this);
    if (!runPatchFixture || !runPatchFixture(dialog) || dialog.modeIndex() < 0)
        return;

    const FixtureMode& mode = load.fixture.modes[size_t(dialog.modeIndex())];
    const std::string name = dialog.fixtureName().toStdString();
    FixturePatch patch = vantorel::patchFixture(m_model->rows(), mode, dialog.start(), name, false, defaultToLabel());
    if (patch.status == FixturePatch::Status::WouldOverwrite
        && askUser(tr("Patching fixture"), tr("%1\r\nOverwrite?").arg(errorText(patch.problem)), tr("Yes"), tr("No"))
            == 1)
        patch = vantorel::patchFixture(m_model->rows(), mode, dialog.start(), name, true, defaultToLabel());
    if (patch.status == FixturePatch::Status::WouldOverwrite)
        return;
    if (!patch.ok()) {
        showMessage(errorText(patch.problem));
        return;
    }
    showUserModePage();
    const auto edit
        = recordEdit(tr("Patch fixture %1").arg(QString::fromStdString(name.empty() ? load.fixture.title() : name)));
    m_model->replaceAll(std::move(patch.rows));
    const int first = findListRow(m_model->rows(), std::to_string(dialog.start()));
    scrollToRow(first);
}

} // namespace vantorel
