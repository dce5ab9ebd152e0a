// vantorel-control-center: configuration and service utility for VANTOREL
// MIDI-to-DMX converters.

#include "app/DeveloperRun.h"
#include "app/MainWindow.h"
#include "link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "midi/MidiBackend.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/ProgramSettings.h"
#include "settings/gui/AppIcon.h"
#include "app/ScreenshotTour.h"
#include "settings/gui/LanguageWindow.h"
#include "app/DebugWindow.h"
#include "util/qt/Translations.h"
#include "util/gui/AccessibleComboBox.h"
#include "util/qt/TextConversions.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <stdexcept>
#include <string_view>

#ifndef VANTOREL_VERSION
#define VANTOREL_VERSION "0.1.0"
#endif

using namespace vantorel;

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("vantorel::main", text);
}

const char* const kFatalText = QT_TRANSLATE_NOOP(
    "vantorel::main",
    "No MIDI ports available in this system or another general MIDI error.\r\n\r\nApplication will be shut down.");

void showFatal(const QString& detail)
{
    if (!detail.isEmpty())
        std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(detail));
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    translated(kFatalText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QMessageBox::Ok);
    box.exec();
}

// Exit status of a run ended by an error nothing else handled.
constexpr int kUnexpectedErrorStatus = 3;

QString unexpectedErrorText(const char* what)
{
    return translated("Unexpected error: %1\n\nThe program will close.")
        .arg(what ? QString::fromLocal8Bit(what) : translated("unknown"));
}

// An exception thrown by a handler while the windows are up ends the event
// loop (and every wait nested in it) with a box saying what happened,
// instead of escaping through Qt.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            fail("Out of memory.");
        } catch (const std::exception& e) {
            fail(e.what());
        } catch (...) {
            fail(nullptr);
        }
        return false;
    }

private:
    void fail(const char* what)
    {
        const QString text = unexpectedErrorText(what);
        std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(text));
        if (!m_failed) {
            m_failed = true;
            QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::Ok);
            box.exec();
        }
        QCoreApplication::exit(kUnexpectedErrorStatus);
    }

    bool m_failed = false;
};

int usageError(const QString& text)
{
    std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int runProgram(int argc, char** argv)
{
    // --help and --version print and end before any window exists: they must
    // work without a display too.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version") {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            break;
        }
    }
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VANTOREL Control Center"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("vantorel-control-center"));
    QApplication::setWindowIcon(applicationIcon());
    installAccessibleComboBoxes();
    // The display language until the settings say otherwise (--help speaks it too).
    installTranslations(MainWindow::languageToSpeak(QString()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        translated("Configuration and service utility for VANTOREL MIDI-to-DMX converters."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"),
                                            translated("Also list the emulated device \"%1\" among the MIDI ports.")
                                                .arg(QString::fromLatin1(kEmulatorPortName)));
    const QCommandLineOption emulatorTypeOption(
        QStringLiteral("emulator-type"),
        translated("Edition of the emulated device: P (Pro), B (Basic) or E (Eco). Default P."), translated("type"),
        QStringLiteral("P"));
    const QCommandLineOption backendOption(QStringLiteral("backend"),
                                           translated("MIDI system to use: auto, alsa or jack. Default auto."),
                                           translated("api"), QStringLiteral("auto"));
    const QCommandLineOption developerOption(
        QStringLiteral("developer"), translated("Developer run: service panel, Language menu and debug window."));
    parser.addOption(emulatorOption);
    parser.addOption(emulatorTypeOption);
    parser.addOption(backendOption);
    parser.addOption(developerOption);
    const QCommandLineOption settingsDirOption(
        QStringLiteral("settings-dir"),
        translated("Keep both settings files (program settings and window positions) in this folder."),
        translated("dir"));
    parser.addOption(settingsDirOption);
    QCommandLineOption screenshotOption(QStringLiteral("screenshot-dir"),
                                        translated("Save a picture of each page into this folder and quit."),
                                        translated("dir"));
    screenshotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshotOption);
    parser.process(app);

    MidiApi api = MidiApi::Auto;
    const QString backend = parser.value(backendOption).toLower();
    if (backend == QLatin1String("alsa"))
        api = MidiApi::Alsa;
    else if (backend == QLatin1String("jack"))
        api = MidiApi::Jack;
    else if (backend != QLatin1String("auto"))
        return usageError(
            translated("unknown --backend \"%1\" (use auto, alsa or jack)").arg(parser.value(backendOption)));

    const QString type = parser.value(emulatorTypeOption).toUpper();
    if (type != QLatin1String("P") && type != QLatin1String("B") && type != QLatin1String("E"))
        return usageError(
            translated("unknown --emulator-type \"%1\" (use P, B or E)").arg(parser.value(emulatorTypeOption)));

    const bool developerRun = parser.isSet(developerOption) || isDebuggerAttached();

    // With --emulator the emulated device's pair comes first, so it is selected
    // at start; the system's MIDI ports follow.
    MidiPortDirectory ports;
    if (parser.isSet(emulatorOption)) {
        EmulatorConfig config;
        config.type = type.at(0).toLatin1();
        ports.add(std::make_shared<EmulatorBackend>(config));
    }
    if (Result<std::shared_ptr<MidiBackend>> rtMidi = createRtMidiBackend(api))
        ports.add(std::move(rtMidi).value());
    else if (!parser.isSet(emulatorOption))
        std::fprintf(stderr, "vantorel-control-center: %s\n",
                     qPrintable(translated("no MIDI system available: %1").arg(errorText(rtMidi.error()))));

    // The settings files are located before any window exists.
    const SettingsFiles settingsFiles = locateSettingsFiles(parser.value(settingsDirOption), [](const QString& text) {
        QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok);
        box.exec();
    });

    // The interface language chosen in an earlier run, before any window exists.
    const std::string chosenLanguage = readProgramSettings(readIniFile(settingsFiles.programIni), {}).language;
    if (!chosenLanguage.empty())
        installTranslations(MainWindow::languageToSpeak(fromIniText(chosenLanguage)));

    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<MainWindow> mainForm;
    std::unique_ptr<DebugWindow> debugForm;
    std::unique_ptr<LanguageWindow> langForm;
    try {
        link = std::make_unique<DeviceLink>(ports);
        link->setDeveloperRun(developerRun);
        mainForm = std::make_unique<MainWindow>(*link, developerRun, settingsFiles);
        debugForm = std::make_unique<DebugWindow>(*link);
        mainForm->setDebugWindow(debugForm.get());
        langForm = std::make_unique<LanguageWindow>(*mainForm);
        mainForm->setLanguageWindow(langForm.get());
        mainForm->show();
        if (!mainForm->startupError().isEmpty())
            throw std::runtime_error(mainForm->startupError().toStdString());
    } catch (const std::exception& e) {
        langForm.reset();
        debugForm.reset();
        mainForm.reset();
        showFatal(QString::fromStdString(e.what()));
        return 1;
    }
    if (parser.isSet(screenshotOption)) {
        // Ends like "Exit": the settings files are not written.
        QTimer::singleShot(0, mainForm.get(), [&] {
            const Result<void> saved = saveScreenshots(*mainForm, parser.value(screenshotOption));
            if (!saved)
                std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(errorText(saved.error())));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}

int main(int argc, char** argv)
{
    // Nothing escapes: an error before the windows are up or after they are
    // gone is said on stderr.
    try {
        return runProgram(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(unexpectedErrorText("Out of memory.")));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(unexpectedErrorText(e.what())));
    } catch (...) {
        std::fprintf(stderr, "vantorel-control-center: %s\n", qPrintable(unexpectedErrorText(nullptr)));
    }
    return kUnexpectedErrorStatus;
}
