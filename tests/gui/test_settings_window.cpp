// The main window's settings files: loading at the first show, saving on
// close (not on "Exit"), window positions, developer controls and the
// translation listing.

#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "settings/PortNames.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"
#include "settings/gui/FormPosition.h"
#include "settings/gui/TLangForm.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Ports that open and stay silent, with names of our choosing.
class NamedPorts : public MidiBackend {
public:
    explicit NamedPorts(std::vector<std::string> names) : m_names(std::move(names)) {}
    std::string name() const override { return "named"; }
    std::vector<std::string> inputPortNames() override { return m_names; }
    std::vector<std::string> outputPortNames() override { return m_names; }
    std::unique_ptr<MidiBackendInput> openInput(int, MidiReceiveCallback, std::string&) override
    {
        return std::make_unique<SilentInput>();
    }
    std::unique_ptr<MidiBackendOutput> openOutput(int, std::string&) override { return std::make_unique<SilentOutput>(); }

private:
    struct SilentInput : MidiBackendInput {
        bool start(std::string&) override { return true; }
        void stop() override {}
    };
    struct SilentOutput : MidiBackendOutput {
        bool send(const uint8_t*, size_t, std::string&) override { return true; }
    };
    std::vector<std::string> m_names;
};

const std::vector<std::string> kPolishPorts = {"Wejście Łódź", "ŻÓŁTY port", "żółty port"};

struct Rig {
    explicit Rig(const QTemporaryDir& dir, bool developerRun = false, bool withPorts = true, char type = 'P')
    {
        if (withPorts) {
            EmulatorConfig config;
            config.type = type;
            emulator = std::make_shared<EmulatorBackend>(config);
            ports.add(emulator);
            ports.add(std::make_shared<NamedPorts>(kPolishPorts));
        }
        files.programIni = dir.filePath(QStringLiteral("prog.INI"));
        files.positionIni = dir.filePath(QStringLiteral("positions.INI"));
        files.executableDir = dir.path() + QLatin1Char('/');
        link = std::make_unique<DeviceLink>(ports);
        form = std::make_unique<TDmxUserMainForm>(*link, developerRun, files);
        form->showMessage = [this](const QString& text) { boxes << text; };
        form->showError = [this](const QString& text) { errors << text; };
    }

    IniFile program() const { return ReadIniFile(files.programIni); }
    IniFile positions() const { return ReadIniFile(files.positionIni); }

    std::shared_ptr<EmulatorBackend> emulator;
    MidiPortDirectory ports;
    SettingsFiles files;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<TDmxUserMainForm> form;
    QStringList boxes;
    QStringList errors;
};

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSize ScreenSize()
{
    return QGuiApplication::primaryScreen()->size();
}

} // namespace

TEST(Settings, FirstRunUsesDefaultsAndCloseWritesBothFiles)
{
    QTemporaryDir dir;
    Rig rig(dir);
    RowColours received{1, 1, 1, 1, 1};
    rig.form->setRowColours = [&](const RowColours& colours) { received = colours; };
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());

    EXPECT_EQ(rig.form->pos(), QPoint(0, 0));
    EXPECT_EQ(rig.form->width(), 800);
    EXPECT_EQ(rig.form->cbxInPorts->currentIndex(), 0);
    EXPECT_EQ(rig.form->recentFiles.readDir, rig.files.executableDir);
    EXPECT_EQ(rig.form->recentFiles.saveDir, rig.files.executableDir);
    EXPECT_EQ(rig.form->recentFiles.channelFileFilter, QStringLiteral("DMX data files (*.csv);;All files (*.*)"));
    EXPECT_EQ(received, RowColours{});
    EXPECT_EQ(rig.form->lblCurFile->text(), QStringLiteral("-"));
    EXPECT_EQ(rig.form->lblCurFileDate->text(), QStringLiteral("-"));

    // "Exit" writes nothing.
    rig.form->milngExit->trigger();
    EXPECT_FALSE(QFile::exists(rig.files.programIni));
    EXPECT_FALSE(QFile::exists(rig.files.positionIni));

    rig.form->move(40, 30);
    rig.form->resize(800, 500);
    EXPECT_TRUE(rig.form->close());
    EXPECT_TRUE(rig.errors.isEmpty());
    EXPECT_EQ(ReadText(rig.files.programIni).toStdString(),
              std::string("[Ports]\r\nMIDIInput=VANTOREL Emulator\r\nMIDIOutput=VANTOREL Emulator\r\n"
                             "[Dirs]\r\nReadDir=\r\nSaveDir=\r\n"
                             "[Files]\r\nLastOpened=\r\nLastSaved=\r\nLastLoadedFWFile=\r\n"
                             "[Colors]\r\nCCLine=8454143\r\nNOLine=8454016\r\nNOVelocityLine=12320699\r\n"
                             "CCValueLine=12582911\r\nDMXValueLine=16744703\r\n"));
    // The main window first, then the calculator window.
    const QByteArray positions = ReadText(rig.files.positionIni);
    EXPECT_TRUE(positions.startsWith("[FormsSizes]\r\nDmxUserMainForm.Xpos=40\r\nDmxUserMainForm.Ypos=30\r\n"
                                     "DmxUserMainForm.Width=800\r\nDmxUserMainForm.Height=500\r\n"
                                     "DmxUserMainForm.WindowState=0\r\nCalcForm.Xpos=")) << positions.toStdString();
    EXPECT_TRUE(positions.endsWith("CalcForm.WindowState=0\r\n")) << positions.toStdString();
}

TEST(Settings, SavedSettingsAreRestoredAndWrittenBack)
{
    QTemporaryDir dir;
    const QSize screen = ScreenSize();
    WriteText(dir.filePath(QStringLiteral("prog.INI")),
              QStringLiteral("; kept\r\n[Ports]\r\nMIDIInput=WEJŚCIE łÓDŹ\r\nMIDIOutput=żółty PORT\r\n"
                             "[Dirs]\r\nReadDir=C:\\Shows\\\r\n"
                             "[Files]\r\nLastOpened=C:\\Shows\\club night.csv\r\nLastSaved=/srv/dmx/backup.csv\r\n"
                             "LastLoadedFWFile=/nowhere/basic.bix\r\nLastLoadedFWFileDate=2018.04.24 10:24\r\n"
                             "[Colors]\r\nCCLine=255\r\nNOLine=$FF00\r\nNOVelocityLine=green\r\n"
                             "[Debug]\r\nDebugOn=0\r\n").toUtf8());
    WriteText(dir.filePath(QStringLiteral("positions.INI")),
              QStringLiteral("[FormsSizes]\r\nDmxUserMainForm.Xpos=%1\r\nDmxUserMainForm.Ypos=20\r\n"
                             "DmxUserMainForm.Width=1000\r\nDmxUserMainForm.Height=%2\r\nDmxUserMainForm.WindowState=2\r\n")
                  .arg(screen.width() + 500)
                  .arg(screen.height() + 100)
                  .toUtf8());
    Rig rig(dir);
    RowColours colours;
    rig.form->rowColours = [&] { return colours; };
    rig.form->setRowColours = [&](const RowColours& c) { colours = c; };

    // Geometry at creation: left beyond the screen, too tall, saved minimized.
    EXPECT_FALSE(rig.form->isMinimized());
    EXPECT_EQ(rig.form->geometry(), QRect(screen.width() / 3, 1, 800, screen.height() - 30));

    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());
    EXPECT_EQ(rig.form->cbxInPorts->currentText(), QStringLiteral("Wejście Łódź"));
    EXPECT_EQ(rig.form->cbxOutPorts->currentText(), QStringLiteral("ŻÓŁTY port"));   // the first match
    EXPECT_EQ(rig.link->selectedInput(), QStringLiteral("Wejście Łódź"));
    EXPECT_EQ(rig.form->recentFiles.readDir, QStringLiteral("C:\\Shows\\"));
    EXPECT_EQ(rig.form->recentFiles.saveDir, rig.files.executableDir);
    EXPECT_EQ(rig.form->recentFiles.lastOpened, QStringLiteral("C:\\Shows\\club night.csv"));
    EXPECT_EQ(colours.ccLine, 255u);
    EXPECT_EQ(colours.noLine, 0xFF00u);
    EXPECT_EQ(colours.noVelocityLine, RowColours{}.noVelocityLine);
    // The firmware file is gone: its name is not shown, its date still is.
    EXPECT_EQ(rig.form->lblCurFile->text(), QStringLiteral("-"));
    EXPECT_EQ(rig.form->lblCurFileDate->text(), QStringLiteral("2018.04.24 10:24"));
    EXPECT_TRUE(rig.form->pnlService->isHidden());

    colours.dmxValueLine = 0x123456;
    rig.form->recentFiles.lastSaved = QStringLiteral("/srv/dmx/new/show.csv");
    rig.form->cbxOutPorts->setCurrentIndex(0);
    ASSERT_TRUE(rig.form->close());

    const IniFile program = rig.program();
    EXPECT_EQ(program.ReadString("Ports", "MIDIInput", ""), "Wejście Łódź");
    EXPECT_EQ(program.ReadString("Ports", "MIDIOutput", ""), "VANTOREL Emulator");
    EXPECT_EQ(program.ReadString("Dirs", "ReadDir", ""), "");   // no '/' in a Windows path here
    EXPECT_EQ(program.ReadString("Dirs", "SaveDir", ""), "/srv/dmx/new/");
    EXPECT_EQ(program.ReadString("Files", "LastLoadedFWFile", ""), "/nowhere/basic.bix");
    EXPECT_EQ(program.ReadInteger("Colors", "DMXValueLine", 0), 0x123456);
    EXPECT_EQ(program.ReadInteger("Debug", "DebugOn", -1), 0);
    EXPECT_TRUE(ReadText(rig.files.programIni).startsWith("; kept\r\n[Ports]\r\n"));
    EXPECT_EQ(rig.positions().ReadInteger("FormsSizes", "DmxUserMainForm.Height", 0), screen.height() - 30);
}

TEST(Settings, CalculatorWindowGetsItsPositionOnlyAndIsSavedWithTheMainWindow)
{
    QTemporaryDir dir;
    WriteText(dir.filePath(QStringLiteral("positions.INI")),
              "[FormsSizes]\r\nCalcForm.Xpos=70\r\nCalcForm.Ypos=80\r\nCalcForm.Width=999\r\nCalcForm.Height=999\r\n");
    Rig rig(dir);
    QWidget calculator;
    calculator.setObjectName(QStringLiteral("CalcForm"));
    calculator.setFixedSize(250, 180);
    rig.form->setCalculatorWindow(&calculator);
    EXPECT_EQ(calculator.geometry(), QRect(70, 80, 250, 180));

    rig.form->show();
    calculator.move(5, 6);
    ASSERT_TRUE(rig.form->close());
    const IniFile positions = rig.positions();
    EXPECT_EQ(positions.ReadInteger("FormsSizes", "CalcForm.Xpos", -1), 5);
    EXPECT_EQ(positions.ReadInteger("FormsSizes", "CalcForm.Width", -1), 250);
    EXPECT_TRUE(positions.ValueExists("FormsSizes", "DmxUserMainForm.Xpos"));
}

TEST(Settings, FailedWriteIsShownAndTheWindowStaysOpen)
{
    QTemporaryDir dir;
    Rig rig(dir);
    rig.form->show();
    // A folder where the program INI file should be cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(rig.files.programIni + QStringLiteral("/x")));
    EXPECT_FALSE(rig.form->close());
    EXPECT_TRUE(rig.form->isVisible());
    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_EQ(rig.errors.first(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(rig.files.programIni));
    EXPECT_TRUE(QFileInfo(rig.files.programIni).isDir());
    // The window positions were written before.
    EXPECT_TRUE(rig.positions().ValueExists("FormsSizes", "DmxUserMainForm.Xpos"));
}

TEST(Settings, DebugOnRevealsDeveloperControlsWithoutADeveloperRun)
{
    QTemporaryDir dir;
    WriteText(dir.filePath(QStringLiteral("prog.INI")), "[Debug]\r\nDebugOn=1\r\n");
    Rig rig(dir);
    rig.form->show();
    EXPECT_FALSE(rig.form->developerRun());
    EXPECT_TRUE(rig.form->developerControlsShown());
    EXPECT_FALSE(rig.form->pnlService->isHidden());
    EXPECT_TRUE(rig.form->milngLanguage->isVisible());
    // The ordinary run's first page all the same.
    EXPECT_EQ(rig.form->pgcMain->currentIndex(), TDmxUserMainForm::PageUserMode);

    QTemporaryDir other;
    WriteText(other.filePath(QStringLiteral("prog.INI")), "[Debug]\r\nDebugOn=yes\r\n");
    Rig plain(other);
    EXPECT_TRUE(plain.form->pnlService->isHidden());
    EXPECT_FALSE(plain.form->milngLanguage->isVisible());
}

TEST(Settings, SettingsDirHoldsBothFilesNamedAfterTheProgram)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/settings"));
    QStringList messages;
    const SettingsFiles files = LocateSettingsFiles(folder, [&](const QString& text) { messages << text; });
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    const QString expected = QDir::toNativeSeparators(
        QDir(folder).filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".INI")));
    EXPECT_EQ(files.programIni, expected);
    EXPECT_EQ(files.positionIni, expected);

    // A folder that cannot be created is reported in the program's words.
    const QString blocked = dir.filePath(QStringLiteral("file"));
    WriteText(blocked, "x");
    LocateSettingsFiles(blocked + QStringLiteral("/sub"), [&](const QString& text) { messages << text; });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Nie udało się utworzyć katalogu ustawień programu: ")));
}

TEST(PortNames, UpperCasePolishIgnoresLetterCaseOfPolishLetters)
{
    EXPECT_EQ(UpperCasePolishText(QStringLiteral("zażółć gęślą jaźń ąĆęŁńÓśŹż")),
              QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ ĄĆĘŁŃÓŚŹŻ"));
    // Letters outside the code page's Polish set are left alone.
    EXPECT_EQ(UpperCasePolishText(QStringLiteral("éß ü")), QStringLiteral("éß ü"));

    const QStringList names = {QStringLiteral("Łódź In"), QStringLiteral("ŁÓDŹ IN"), QStringLiteral("Other")};
    EXPECT_EQ(FindPortName(names, QStringLiteral("łódź in")), 0);
    EXPECT_EQ(FindPortName(names, QStringLiteral("other")), 2);
    EXPECT_EQ(FindPortName(names, QStringLiteral("lodz in")), -1);
    EXPECT_EQ(FindPortName(names, QStringLiteral("Łódź")), -1);
    EXPECT_EQ(FindPortName({}, QStringLiteral("x")), -1);
}

TEST(PageChange, WithoutMidiInputsNothingIsAsked)
{
    QTemporaryDir dir;
    Rig rig(dir, false, false);
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());
    EXPECT_EQ(rig.form->cbxInPorts->count(), 0);
    rig.form->pgcMain->setCurrentIndex(TDmxUserMainForm::PageSpecials);
    rig.form->pgcMain->setCurrentIndex(TDmxUserMainForm::PageBasicMode);
    EXPECT_EQ(rig.form->lbllngStatMsg->text(), QStringLiteral("-"));
    EXPECT_TRUE(rig.boxes.isEmpty());
    EXPECT_TRUE(rig.errors.isEmpty());
    ASSERT_TRUE(rig.form->close());
    EXPECT_EQ(rig.program().ReadString("Ports", "MIDIInput", "x"), "");
}

TEST(LangForm, ListsTheTextPropertiesOfTheRadioGroupOnly)
{
    QTemporaryDir dir;
    Rig rig(dir, true);
    TLangForm lang(*rig.form);
    rig.form->setLanguageWindow(&lang);
    rig.form->show();

    EXPECT_EQ(rig.form->milngLanguage->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    rig.form->milngLanguage->trigger();
    EXPECT_TRUE(lang.isVisible());
    EXPECT_FALSE(lang.isModal());
    EXPECT_EQ(lang.windowTitle(), QStringLiteral("LangForm"));

    lang.Button1->click();
    QStringList lines;
    for (int i = 0; i < lang.ListBox1->count(); ++i)
        lines << lang.ListBox1->item(i)->text();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("rglngMode"));
    EXPECT_TRUE(lines.contains(QStringLiteral("[Property] title: QString = Firmware upload mode")));
    EXPECT_TRUE(lines.contains(QStringLiteral("[Property] objectName: QString = rglngMode")));
    // One component, its properties sorted by name, nothing that is not text.
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^[^\\[]"))), QStringList{QStringLiteral("rglngMode")});
    EXPECT_TRUE(lines.filter(QStringLiteral(": QString = ")).size() == lines.size() - 1);
    EXPECT_TRUE(lines.filter(QStringLiteral("lbllngStatMsg")).isEmpty());

    // Pressing it again lists the same once.
    lang.Button1->click();
    EXPECT_EQ(lang.ListBox1->count(), lines.size());
    lang.close();
}

TEST(MainMenu, ItemsSeparatorsAndShortcutsInOrder)
{
    QTemporaryDir dir;
    Rig rig(dir, true);
    auto entries = [](const QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions())
            list << (action->isSeparator() ? QStringLiteral("-")
                                           : action->text() + (action->shortcut().isEmpty()
                                                                   ? QString()
                                                                   : QLatin1Char('@') + action->shortcut().toString()));
        return list;
    };
    const QStringList file = entries(rig.form->milngFile);
    ASSERT_GE(file.size(), 3);
    EXPECT_EQ(file.mid(file.size() - 3), (QStringList{QStringLiteral("Clear data in device"), QStringLiteral("-"),
                                                      QStringLiteral("Exit@Alt+F4")}));
    EXPECT_EQ(entries(rig.form->milngUserTools),
              (QStringList{QStringLiteral("Add channel@Ins"), QStringLiteral("Delete channel@Del"),
                           QStringLiteral("Clear current channel data"), QStringLiteral("-"),
                           QStringLiteral("Clear all channels data"), QStringLiteral("Delete all channels"),
                           QStringLiteral("-"), QStringLiteral("Add 512 DMX channels"), QStringLiteral("-"),
                           QStringLiteral("16 bit values calculator@Ctrl+K")}));
    EXPECT_EQ(entries(rig.form->milngSettings), (QStringList{QStringLiteral("Colors"), QStringLiteral("Language@Ctrl+L")}));
    const QList<QAction*> bar = rig.form->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("File and device operations"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("User Mode Tools"));
    EXPECT_EQ(bar[2]->text(), QStringLiteral("Settings"));
}
