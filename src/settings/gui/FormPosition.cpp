#include "settings/gui/FormPosition.h"

#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vantorel {

namespace {

bool hasFixedBorder(const QWidget& window)
{
    return window.minimumSize() == window.maximumSize()
        || window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

SizeConstraints constraintsOf(const QWidget& window)
{
    SizeConstraints c;
    c.minWidth = window.minimumWidth();
    c.minHeight = window.minimumHeight();
    c.maxWidth = window.maximumWidth() >= QWIDGETSIZE_MAX ? 0 : window.maximumWidth();
    c.maxHeight = window.maximumHeight() >= QWIDGETSIZE_MAX ? 0 : window.maximumHeight();
    return c;
}

} // namespace

ScreenMetrics primaryScreenMetrics()
{
    ScreenMetrics metrics;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.width = screen->size().width();
        metrics.height = screen->size().height();
    }
    metrics.monitorCount = static_cast<int>(QGuiApplication::screens().size());
    return metrics;
}

void restoreFormPosition(QWidget& window, const QString& positionIni, const ScreenMetrics& screen)
{
    if (positionIni.isEmpty())
        return;
    const IniFile ini = readIniFile(positionIni);
    const WindowBounds current{window.x(), window.y(), window.width(), window.height()};
    const RestoredGeometry restored = restoreWindowGeometry(ini, toIniText(window.objectName()), current,
                                                            constraintsOf(window), hasFixedBorder(window), screen);
    if (restored.maximized) {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    window.move(restored.bounds.left, restored.bounds.top);
    // An unchanged size is left alone, so a window not yet laid out still
    // takes its size hint when first shown.
    if (restored.bounds.width != current.width || restored.bounds.height != current.height)
        window.resize(restored.bounds.width, restored.bounds.height);
}

Result<void> saveFormPosition(const QWidget& window, const QString& positionIni)
{
    if (positionIni.isEmpty())
        return {};
    Result<IniFile> read = readIniFileForUpdate(positionIni);
    if (!read)
        return read.error();
    IniFile& ini = *read;
    SavedWindowState state = SavedWindowState::Normal;
    if (window.isMinimized())
        state = SavedWindowState::Minimized;
    else if (window.isMaximized())
        state = SavedWindowState::Maximized;
    // A window that was never shown has not got its laid-out size yet: it
    // would take its size hint when shown.
    QSize size = window.size();
    if (!window.testAttribute(Qt::WA_WState_ExplicitShowHide) && !window.testAttribute(Qt::WA_Resized)
        && window.sizeHint().isValid())
        size = window.sizeHint().expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
    storeWindowGeometry(ini, toIniText(window.objectName()), state,
                        WindowBounds{window.x(), window.y(), size.width(), size.height()});
    return writeIniFile(ini, positionIni);
}

} // namespace vantorel
