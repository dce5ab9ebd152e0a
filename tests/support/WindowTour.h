#pragma once

// A walk through the whole main window, as a user clicking through it would
// see it: every page, every menu, every window and message box its commands
// open. The window runs on the in-process emulator in virtual time, with its
// real message boxes; a visitor sees each state.

#include "TestRig.h"
#include "app/MainWindow.h"
#include "util/qt/Clock.h"

#include <QMap>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

namespace vantorel {

// "QPushButton 'btnSetDMXCh'": how failures name a widget.
QString widgetId(const QObject* object);
// The labels, buttons, group boxes and tabs of `topLevel` whose text is wider
// than the room the widget gives it: "<widget> \"<text>\" needs N px, has M".
QStringList clippedTexts(QWidget* topLevel);

// One fault a line, each with where it was first seen (fault -> where).
std::string faultList(const QMap<QString, QString>& faults);

using TourVisitor = std::function<void(QWidget* topLevel, const QString& where)>;

class WindowTour {
public:
    explicit WindowTour(char deviceType = 'B');
    ~WindowTour();
    WindowTour(const WindowTour&) = delete;
    WindowTour& operator=(const WindowTour&) = delete;

    MainWindow& window() { return *m_form; }
    // Each shown page brought to front (`visit` gets the window, "page <caption>").
    void visitPages(const TourVisitor& visit);
    // The pages, then each menu opened, then each enabled command of the menus
    // and of the channel list's popup triggered (all but "Exit"); every window
    // or box that opens is visited, then closed (rejected). Then the window
    // again, the debug window and one message box of each kind: information,
    // question, error.
    void run(const TourVisitor& visit);

private:
    void settle();
    void visitMenus(const TourVisitor& visit);
    void triggerCommands(const TourVisitor& visit);
    void showBoxes();

    VirtualClock m_clock;
    LinkRig m_rig;
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;
    std::unique_ptr<QWidget> m_debugWindow;
    std::unique_ptr<QWidget> m_languageWindow;
    class Watcher;
    std::unique_ptr<Watcher> m_watcher;
};

} // namespace vantorel
