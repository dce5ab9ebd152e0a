#pragma once

#include "settings/domain/WindowPosition.h"
#include "util/Result.h"

#include <QString>

class QWidget;

namespace vantorel {

// Size of the primary display and the number of screens.
ScreenMetrics primaryScreenMetrics();

// Restores the window's geometry from the window-position INI file, keyed by
// the window's objectName ("DmxUserMainForm", "CalcForm"). A window of fixed
// size (minimum size equal to maximum size, or the fixed-size dialog hint)
// gets only its position back. Nothing happens when `positionIni` is empty.
void restoreFormPosition(QWidget& window, const QString& positionIni,
                         const ScreenMetrics& screen = primaryScreenMetrics());

// Writes the window's geometry and state to the window-position INI file.
// Nothing happens when `positionIni` is empty.
Result<void> saveFormPosition(const QWidget& window, const QString& positionIni);

} // namespace vantorel
