// The main window's settings files: loading at the first show, saving on
// close (not on "Exit"), window positions, developer controls and the
// translation listing.

#include "FindChild.h"
#include "app/MainWindow.h"
#include "channels/gui/ChannelsPage.h"
#include "link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "settings/PortNames.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"
#include "settings/gui/FormPosition.h"
#include "settings/gui/LanguageWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace vantorel;

namespace {

// Ports that open and stay silent, with names of our choosing.
struct NamedPorts : MidiBackend {
    struct SilentInput : MidiBackendInput {
        Result<void> start() override { return {}; }
        void stop() override { }
    };
    struct SilentOutput : MidiBackendOutput {
        Result<void> send(const uint8_t*, size_t) override { return {}; }
    };
    std::string name() const override { return "named"; }
    std::vector<std::string> inputPortNames() override { return names; }
    std::vector<std::string> outputPortNames() override { return names; }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int, MidiReceiveCallback) override
    {
        return std::make_unique<SilentInput>();
    }
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int) override { return std::make_unique<SilentOutput>(); }

    std::vector<std::string> names = {"Wejście Łódź", "ŻÓŁTY port", "żółty port"};
};

struct Rig {
    explicit Rig(const QTemporaryDir& dir, bool developerRun = false, bool withPorts = true, char type = 'P')
    {
        if (withPorts) {
            EmulatorConfig config;
            config.type = type;
            emulator = std::make_shared<EmulatorBackend>(config);
            ports.add(emulator);
            ports.add(std::make_shared<NamedPorts>());
        }
        files.programIni = dir.filePath(QStringLiteral("prog.INI"));
        files.positionIni = dir.filePath(QStringLiteral("positions.INI"));
        files.executableDir = dir.path() + QLatin1Char('/');
        link = std::make_unique<DeviceLink>(ports);
        form = std::make_unique<MainWindow>(*link, developerRun, files);
        form->messageBox = [this](const QString& text) { boxes << text; };
        form->errorBox = [this](const QString& text) { errors << text; };
    }

    template <typename W> W* find(const char* name) const
    {
        W* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }

    IniFile program() const { return readIniFile(files.programIni); }
    IniFile positions() const { return readIniFile(files.positionIni); }

    std::shared_ptr<EmulatorBackend> emulator;
    MidiPortDirectory ports;
    SettingsFiles files;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<MainWindow> form;
    QStringList boxes;
    QStringList errors;
};

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Settings, FirstRunUsesDefaultsAndCloseWritesBothFiles)
{
    QTemporaryDir dir;
    Rig rig(dir);
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());

    EXPECT_EQ(rig.form->pos(), QPoint(0, 0));
    EXPECT_EQ(rig.form->width(), 800);
    EXPECT_EQ(rig.find<QComboBox>("cbxInPorts")->currentIndex(), 0);
    EXPECT_EQ(rig.form->channelsPage().recentFiles().readDir, rig.files.executableDir);
    EXPECT_EQ(rig.form->channelsPage().recentFiles().saveDir, rig.files.executableDir);
    EXPECT_EQ(rig.form->channelsPage().recentFiles().channelFileFilter, "DMX data files (*.csv);;All files (*.*)");
    EXPECT_EQ(rig.form->channelsPage().rowColours(), RowColours{});
    EXPECT_EQ(rig.text("lblCurFile") + rig.text("lblCurFileDate"), "--");

    // "Exit" writes nothing.
    rig.find<QAction>("milngExit")->trigger();
    EXPECT_FALSE(QFile::exists(rig.files.programIni));
    EXPECT_FALSE(QFile::exists(rig.files.positionIni));

    rig.form->move(40, 30);
    rig.form->resize(800, 500);
    EXPECT_TRUE(rig.form->close());
    EXPECT_TRUE(rig.errors.isEmpty());
    EXPECT_EQ(readText(rig.files.programIni).toStdString(),
              std::string("[Ports]\r\nMIDIInput=VANTOREL Emulator\r\nMIDIOutput=VANTOREL Emulator\r\n"
                          "[Dirs]\r\nReadDir=\r\nSaveDir=\r\n"
                          "[Files]\r\nLastOpened=\r\nLastSaved=\r\nLastLoadedFWFile=\r\n"
                          "[Colors]\r\nCCLine=8454143\r\nNOLine=8454016\r\nNOVelocityLine=12320699\r\n"
                          "CCValueLine=12582911\r\nDMXValueLine=16744703\r\n"));
    // The main window first, then the calculator window.
    const QByteArray positions = readText(rig.files.positionIni);
    EXPECT_TRUE(positions.startsWith("[FormsSizes]\r\nDmxUserMainForm.Xpos=40\r\nDmxUserMainForm.Ypos=30\r\n"
                                     "DmxUserMainForm.Width=800\r\nDmxUserMainForm.Height=500\r\n"
                                     "DmxUserMainForm.WindowState=0\r\nCalcForm.Xpos="))
        << positions.toStdString();
    EXPECT_TRUE(positions.endsWith("CalcForm.WindowState=0\r\n")) << positions.toStdString();
}

TEST(Settings, SavedSettingsAreRestoredAndWrittenBack)
{
    QTemporaryDir dir;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    writeText(
        dir.filePath(QStringLiteral("prog.INI")),
        QStringLiteral("; kept\r\n[Ports]\r\nMIDIInput=WEJŚCIE łÓDŹ\r\nMIDIOutput=żółty PORT\r\n"
                       "[Dirs]\r\nReadDir=C:\\Shows\\\r\n"
                       "[Files]\r\nLastLoadedFWFile=/nowhere/basic.bix\r\nLastLoadedFWFileDate=2018.04.24 10:24\r\n"
                       "[Colors]\r\nCCLine=255\r\n")
            .toUtf8());
    writeText(
        dir.filePath(QStringLiteral("positions.INI")),
        QStringLiteral("[FormsSizes]\r\nDmxUserMainForm.Xpos=%1\r\nDmxUserMainForm.Ypos=20\r\n"
                       "DmxUserMainForm.Width=1000\r\nDmxUserMainForm.Height=%2\r\nDmxUserMainForm.WindowState=2\r\n")
            .arg(screen.width() + 500)
            .arg(screen.height() + 100)
            .toUtf8());
    Rig rig(dir);

    // Geometry at creation: left beyond the screen, too tall, saved minimized.
    EXPECT_FALSE(rig.form->isMinimized());
    EXPECT_EQ(rig.form->geometry(), QRect(screen.width() / 3, 1, 800, screen.height() - 30));

    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());
    // Port names match ignoring the case of Polish letters too; the first match wins.
    EXPECT_EQ(rig.find<QComboBox>("cbxInPorts")->currentText(), "Wejście Łódź");
    EXPECT_EQ(rig.find<QComboBox>("cbxOutPorts")->currentText(), "ŻÓŁTY port");
    EXPECT_EQ(rig.link->selectedInput(), "Wejście Łódź");
    EXPECT_EQ(rig.form->channelsPage().recentFiles().readDir, "C:\\Shows\\");
    RowColours colours = rig.form->channelsPage().rowColours();
    EXPECT_EQ(colours.ccLine, 255u);
    // The firmware file is gone: its name is not shown, its date still is.
    EXPECT_EQ(rig.text("lblCurFile"), "-");
    EXPECT_EQ(rig.text("lblCurFileDate"), "2018.04.24 10:24");

    colours.dmxValueLine = 0x123456;
    rig.form->channelsPage().setRowColours(colours);
    rig.form->channelsPage().recentFiles().lastSaved = QStringLiteral("/srv/dmx/new/show.csv");
    rig.find<QComboBox>("cbxOutPorts")->setCurrentIndex(0);
    ASSERT_TRUE(rig.form->close());

    const IniFile program = rig.program();
    EXPECT_EQ(program.readString("Ports", "MIDIInput", "") + "|" + program.readString("Ports", "MIDIOutput", ""),
              "Wejście Łódź|VANTOREL Emulator");
    EXPECT_EQ(program.readString("Dirs", "SaveDir", ""), "/srv/dmx/new/");
    EXPECT_EQ(program.readString("Files", "LastLoadedFWFile", ""), "/nowhere/basic.bix");
    EXPECT_EQ(program.readInteger("Colors", "DMXValueLine", 0), 0x123456);
    EXPECT_TRUE(readText(rig.files.programIni).startsWith("; kept\r\n[Ports]\r\n"));
    EXPECT_EQ(rig.positions().readInteger("FormsSizes", "DmxUserMainForm.Height", 0), screen.height() - 30);
}

TEST(Settings, CalculatorWindowIsPlacedAtCreationAndSavedWithTheMainWindow)
{
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("positions.INI")),
              "[FormsSizes]\r\nCalcForm.Xpos=70\r\nCalcForm.Ypos=80\r\nCalcForm.Width=300\r\nCalcForm.Height=200\r\n");
    Rig rig(dir);
    QWidget& calculator = *rig.find<QWidget>("CalcForm");
    EXPECT_EQ(calculator.pos(), QPoint(70, 80));

    rig.form->show();
    calculator.move(5, 6);
    ASSERT_TRUE(rig.form->close());
    const IniFile positions = rig.positions();
    EXPECT_EQ(positions.readInteger("FormsSizes", "CalcForm.Xpos", -1), 5);
    EXPECT_EQ(positions.readInteger("FormsSizes", "CalcForm.Ypos", -1), 6);
}

TEST(Settings, FailedWriteIsShownOnceAndTheWindowCloses)
{
    QTemporaryDir dir;
    Rig rig(dir);
    rig.form->show();
    // A folder where the program INI file should be cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(rig.files.programIni + QStringLiteral("/x")));
    EXPECT_TRUE(rig.form->close());
    EXPECT_FALSE(rig.form->isVisible());
    EXPECT_EQ(rig.errors, QStringList{"Unable to write to " + QDir::toNativeSeparators(rig.files.programIni)});
    EXPECT_TRUE(QFileInfo(rig.files.programIni).isDir());
    // The window positions were written before.
    EXPECT_TRUE(rig.positions().valueExists("FormsSizes", "DmxUserMainForm.Xpos"));
}

TEST(Settings, DebugOnRevealsDeveloperControlsWithoutADeveloperRun)
{
    for (const char* value : {"1", "yes"}) {
        QTemporaryDir dir;
        writeText(dir.filePath(QStringLiteral("prog.INI")), QByteArray("[Debug]\r\nDebugOn=") + value + "\r\n");
        Rig rig(dir);
        rig.form->show();
        const bool on = value == std::string("1");
        EXPECT_FALSE(rig.form->developerRun());
        EXPECT_EQ(rig.find<QWidget>("pnlService")->isHidden(), !on) << value;
        EXPECT_EQ(rig.find<QAction>("milngLanguage")->isVisible(), on) << value;
        // The ordinary run's first page all the same.
        EXPECT_EQ(rig.find<QTabWidget>("pgcMain")->currentIndex(), int(PageId::Channels));
    }
}

TEST(Settings, SettingsDirHoldsBothFilesNamedAfterTheProgram)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/settings"));
    QStringList messages;
    auto report = [&](const QString& text) { messages << text; };
    const SettingsFiles files = locateSettingsFiles(folder, report);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    const QString expected = QDir::toNativeSeparators(QDir(folder).filePath(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".INI")));
    EXPECT_EQ(files.programIni, expected);
    EXPECT_EQ(files.positionIni, expected);

    // A folder that cannot be created is reported in the program's words, and
    // the settings go to the user's configuration folder instead.
    QStandardPaths::setTestModeEnabled(true);
    const QString userFile
        = QDir::toNativeSeparators(QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                       .filePath(QFileInfo(expected).fileName()));
    const QString blocked = dir.filePath(QStringLiteral("file"));
    writeText(blocked, "x");
    const SettingsFiles fallback = locateSettingsFiles(blocked + QStringLiteral("/sub"), report);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith("Nie udało się utworzyć katalogu ustawień programu: "));
    EXPECT_EQ(fallback.programIni, userFile);
    EXPECT_EQ(fallback.positionIni, userFile);

    // So does a folder that exists but takes no files.
    const QString readOnly = dir.filePath(QStringLiteral("read-only"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(readOnly).isWritable()) { // root writes anywhere
        EXPECT_EQ(locateSettingsFiles(readOnly, report).programIni, userFile);
        EXPECT_EQ(messages.size(), 2);
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStandardPaths::setTestModeEnabled(false);
}

TEST(PortNames, OnlyWholeNamesMatchAndForeignLettersStay)
{
    EXPECT_EQ(upperCasePolishText(QStringLiteral("zażółć gęślą jaźń éß ü")), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ éß ü");
    const QStringList names = {QStringLiteral("Łódź In"), QStringLiteral("Other")};
    EXPECT_EQ(findPortName(names, QStringLiteral("other")), 1);
    EXPECT_EQ(findPortName(names, QStringLiteral("lodz in")), -1);
    EXPECT_EQ(findPortName(names, QStringLiteral("Łódź")), -1);
}

TEST(PageChange, WithoutMidiInputsNothingIsAsked)
{
    QTemporaryDir dir;
    Rig rig(dir, false, false);
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());
    EXPECT_EQ(rig.find<QComboBox>("cbxInPorts")->count(), 0);
    rig.find<QTabWidget>("pgcMain")->setCurrentIndex(int(PageId::DeviceOptions));
    rig.find<QTabWidget>("pgcMain")->setCurrentIndex(int(PageId::Modes));
    EXPECT_EQ(rig.text("lbllngStatMsg"), "-");
    EXPECT_TRUE(rig.boxes.isEmpty() && rig.errors.isEmpty());
    ASSERT_TRUE(rig.form->close());
    EXPECT_EQ(rig.program().readString("Ports", "MIDIInput", "x"), "");
}

TEST(LangForm, ListsTheTextPropertiesOfTheRadioGroupOnly)
{
    QTemporaryDir dir;
    Rig rig(dir, true);
    LanguageWindow lang(*rig.form);
    rig.form->setLanguageWindow(&lang);
    rig.form->show();
    rig.find<QAction>("milngLanguage")->trigger();
    EXPECT_TRUE(lang.isVisible());
    EXPECT_FALSE(lang.isModal());

    // One component, then its text properties; pressing again lists the same once.
    for (int press = 0; press < 2; ++press) {
        child<QPushButton>(lang, "Button1")->click();
        QStringList lines;
        for (int i = 0; i < child<QListWidget>(lang, "ListBox1")->count(); ++i)
            lines << child<QListWidget>(lang, "ListBox1")->item(i)->text();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.takeFirst(), "rglngMode");
        EXPECT_TRUE(lines.contains("[Property] title: QString = Firmware upload mode"));
        EXPECT_TRUE(lines.contains("[Property] objectName: QString = rglngMode"));
        EXPECT_EQ(lines.filter(QStringLiteral("[Property] ")).filter(QStringLiteral(": QString = ")), lines);
    }
    lang.close();
}

TEST(MainMenu, UserToolsItemsSeparatorsAndShortcutsInOrder)
{
    QTemporaryDir dir;
    Rig rig(dir, true);
    QStringList entries;
    for (const QAction* action : rig.find<QMenu>("milngUserTools")->actions())
        entries << (action->isSeparator() ? QStringLiteral("-")
                                          : action->text() + QLatin1Char('@') + action->shortcut().toString());
    EXPECT_EQ(entries,
              (QStringList{"Add channel@Ins", "Delete channel@Del", "Clear current channel data@", "-",
                           "Clear all channels data@", "Delete all channels@", "-", "Add 512 DMX channels@", "-",
                           "16 bit values calculator@Ctrl+K", "-", "Undo@Ctrl+Z", "Redo@Ctrl+Y", "-", "Learn@",
                           "Patch fixture...@"}));
    EXPECT_EQ(rig.find<QAction>("milngExit")->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
    EXPECT_EQ(rig.find<QAction>("milngLanguage")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
}

namespace {

// A translation at hand without .qm files: the main window's texts marked.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) != QLatin1String("vantorel::MainWindow"))
            return {};
        return QStringLiteral("[pl] ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(InterfaceLanguage, ChoiceTakesEffectAtOnceAndIsWrittenOnlyWhenNotTheDefault)
{
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("prog.INI")), "[Options]\r\nLanguage=de\r\n");
    Rig rig(dir);
    MarkingTranslator polish;
    QStringList installed;
    rig.form->installLanguage = [&](const QString& language) {
        installed << language;
        if (language == QLatin1String("pl"))
            QCoreApplication::installTranslator(&polish);
        else
            QCoreApplication::removeTranslator(&polish);
        return true;
    };
    rig.form->show();
    EXPECT_TRUE(rig.find<QAction>("miInterfaceLanguageDe")->isChecked());
    auto* pages = rig.find<QTabWidget>("pgcMain");
    rig.form->showPage(PageId::DeviceOptions);

    const struct {
        const char* action;
        const char* fileMenu; // the caption right after the choice
        std::optional<std::string> written;
    } choices[] = {
        {"miInterfaceLanguagePl", "[pl] File and device operations", "pl"},
        {"miInterfaceLanguageEn", "File and device operations", "en"},
        {"milngInterfaceLanguageSystem", "File and device operations", std::nullopt},
    };
    for (const auto& choice : choices) {
        rig.find<QAction>(choice.action)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        EXPECT_TRUE(rig.find<QAction>(choice.action)->isChecked()) << choice.action;
        EXPECT_EQ(rig.find<QAction>("milngFile")->text(), choice.fileMenu) << choice.action;
        EXPECT_EQ(pages->currentIndex(), int(PageId::DeviceOptions)) << choice.action;
        ASSERT_TRUE(rig.form->saveSettings());
        EXPECT_EQ(rig.program().value("Options", "Language"), choice.written) << choice.action;
    }
    EXPECT_EQ(installed, (QStringList{"pl", "en", MainWindow::languageToSpeak(QString())}));

    // Every text of the window follows, the language names do not.
    rig.find<QAction>("miInterfaceLanguagePl")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(rig.find<QAction>("milngSettings")->text(), "[pl] Settings");
    EXPECT_EQ(rig.find<QAction>("milngInterfaceLanguage")->text(), "[pl] Interface language");
    EXPECT_EQ(rig.text("Label1"), "[pl] MIDI Input");
    EXPECT_EQ(pages->tabText(int(PageId::Firmware)), "[pl] Firmware Upload");
    EXPECT_EQ(rig.find<QAction>("miInterfaceLanguagePl")->text(), "Polski");
    QCoreApplication::removeTranslator(&polish);
}
