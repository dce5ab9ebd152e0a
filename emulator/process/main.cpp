// vantorel-emulator: the emulated device as a JACK client, for scripts and
// end-to-end tests. See emulatorUsage() for the command line.

#include "JackMidiClient.h"

#include "emulator/device/EmulatedDevice.h"
#include "emulator/device/EmulatorArguments.h"
#include "util/Utils.h"
#include "util/qt/TextConversions.h"
#include "util/qt/Translations.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace vantorel;

namespace {

#ifdef VANTOREL_VERSION
constexpr const char* kVersion = VANTOREL_VERSION;
#else
constexpr const char* kVersion = "0.1.0";
#endif

// A text for the terminal, in its encoding.
std::string text(const QString& shown)
{
    return shown.toLocal8Bit().toStdString();
}

#ifdef _WIN32
// Ctrl+C, Ctrl+Break and closing the console end the event loop; the handler
// runs on a thread of its own, so it only posts the quit.
BOOL WINAPI OnConsoleControl(DWORD)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return TRUE;
}

bool quitOnTerminationSignals(QCoreApplication&)
{
    if (!SetConsoleCtrlHandler(OnConsoleControl, TRUE)) {
        std::cerr << "vantorel-emulator: "
                  << text(
                         QCoreApplication::translate("vantorel-emulator", "cannot install the console control handler"))
                  << std::endl;
        return false;
    }
    return true;
}
#else
// Write end of the pipe that turns SIGTERM/SIGINT into an event.
int g_signalPipeWrite = -1;

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipeWrite, &byte, 1);
}

// SIGTERM and SIGINT end the event loop (the ports are closed on the way out).
bool quitOnTerminationSignals(QCoreApplication& app)
{
    static int signalPipe[2];
    if (::pipe(signalPipe) != 0) {
        std::perror("vantorel-emulator: pipe");
        return false;
    }
    for (int fd : signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    g_signalPipeWrite = signalPipe[1];
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action { };
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    return true;
}
#endif

std::string hexLine(const std::vector<uint8_t>& bytes)
{
    std::string text = bytesToHexText(bytes, " ");
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The messages in the language of the environment; "ready" and the logged
    // messages ("send ..", "recv ..") are for the tests and stay as they are.
    installTranslations(
        languageForUiLanguages(toQStringList(messageLanguages([](const char* name) { return std::getenv(name); }))));
    const EmulatorArguments arguments = parseEmulatorArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (arguments.action) {
    case EmulatorArguments::Action::Help:
        std::cout << text(QCoreApplication::translate("vantorel-emulator", emulatorUsage().c_str()));
        return 0;
    case EmulatorArguments::Action::Version: std::cout << "vantorel-emulator " << kVersion << '\n'; return 0;
    case EmulatorArguments::Action::Error:
        std::cerr << "vantorel-emulator: " << text(errorText(arguments.error)) << '\n'
                  << text(QCoreApplication::translate("vantorel-emulator", "Try 'vantorel-emulator --help'.")) << '\n';
        return 2;
    case EmulatorArguments::Action::Run: break;
    }

    if (!quitOnTerminationSignals(app))
        return 1;

    const bool verbose = arguments.verbose;
    EmulatedDevice device(arguments.config);
    std::unique_ptr<JackMidiClient> client;

    // Answers leave in the order they were made, as on the device's cable,
    // even when an earlier one is late. JACK's process thread sends each at
    // its time, so that a busy machine delays this thread, not the device's
    // pace; what went out is logged here, in the order it left.
    uint64_t lastDueUs = 0;
    std::deque<std::vector<uint8_t>> unlogged;
    auto sendLater = [&](int afterMs, std::vector<uint8_t> bytes) {
        lastDueUs = std::max(lastDueUs, client->now() + uint64_t(std::max(0, afterMs)) * 1000);
        if (!client->send(bytes, lastDueUs))
            std::cerr << "vantorel-emulator: "
                      << text(QCoreApplication::translate("vantorel-emulator", "output queue full, message dropped"))
                      << std::endl;
        else if (verbose)
            unlogged.push_back(std::move(bytes));
    };
    auto logSent = [&](size_t count) {
        for (; count > 0 && !unlogged.empty(); --count) {
            std::cerr << "send " << hexLine(unlogged.front()) << std::endl;
            unlogged.pop_front();
        }
    };
    int upgradesWritten = 0;
    auto writeImage = [&] {
        if (arguments.imageOut.empty() || device.upgrades() == upgradesWritten)
            return;
        upgradesWritten = device.upgrades();
        const std::vector<uint8_t>& image = device.receivedImage();
        std::ofstream file(arguments.imageOut, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        if (!file)
            std::cerr << "vantorel-emulator: "
                      << text(QCoreApplication::translate("vantorel-emulator", "cannot write %1")
                                  .arg(QString::fromStdString(arguments.imageOut)))
                      << std::endl;
        else if (verbose)
            std::cerr << text(QCoreApplication::translate("vantorel-emulator", "image of %1 bytes written to %2")
                                  .arg(image.size())
                                  .arg(QString::fromStdString(arguments.imageOut)))
                      << std::endl;
    };
    auto onMessage = [&](const std::vector<uint8_t>& message) {
        if (verbose)
            std::cerr << "recv " << hexLine(message) << std::endl;
        for (EmulatorOutput& output : device.receive(message))
            sendLater(output.afterMs, std::move(output.bytes));
        writeImage();
    };

    Result<std::unique_ptr<JackMidiClient>> opened = JackMidiClient::open(
        arguments.clientName,
        [&app, onMessage](const uint8_t* data, size_t size) {
            // JACK's process thread: hand the message to the main thread.
            QMetaObject::invokeMethod(
                &app, [onMessage, message = std::vector<uint8_t>(data, data + size)] { onMessage(message); },
                Qt::QueuedConnection);
        },
        [&app] {
            QMetaObject::invokeMethod(
                &app,
                [&app] {
                    std::cerr << "vantorel-emulator: "
                              << text(QCoreApplication::translate("vantorel-emulator", "the JACK server went away"))
                              << std::endl;
                    app.exit(1);
                },
                Qt::QueuedConnection);
        },
        [&app, &logSent, verbose](size_t count) {
            if (verbose)
                QMetaObject::invokeMethod(
                    &app, [&logSent, count] { logSent(count); }, Qt::QueuedConnection);
        });
    if (!opened) {
        std::cerr << "vantorel-emulator: " << text(errorText(opened.error())) << std::endl;
        return 1;
    }
    client = std::move(opened).value();

    std::cout << "ready" << std::endl;
    // A device started in its bootloader announces it.
    for (EmulatorOutput& output : device.powerOn())
        sendLater(output.afterMs, std::move(output.bytes));
    const int status = app.exec();
    client.reset();
    if (!arguments.channelsOut.empty()) {
        std::ofstream file(arguments.channelsOut, std::ios::trunc);
        for (const auto& [channel, payload] : device.channels())
            file << payload << '\n';
        if (!file)
            std::cerr << "vantorel-emulator: "
                      << text(QCoreApplication::translate("vantorel-emulator", "cannot write %1")
                                  .arg(QString::fromStdString(arguments.channelsOut)))
                      << std::endl;
    }
    return status;
}
