#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantorel {

class IniFile;

// Section of the window-position INI file; its keys are the window's
// component name followed by ".Xpos", ".Ypos", ".Width", ".Height" and
// ".WindowState".
inline constexpr std::string_view kFormsSizesSection = "FormsSizes";

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowBounds&) const = default;
};

// Zero means "not set".
struct SizeConstraints {
    int minWidth = 0;
    int maxWidth = 0;
    int minHeight = 0;
    int maxHeight = 0; // never applied when restoring
};

// Size of the primary display and the number of monitors.
struct ScreenMetrics {
    int width = 0;
    int height = 0;
    int monitorCount = 1;
};

enum class SavedWindowState { Normal = 0, Maximized = 1, Minimized = 2 };

struct RestoredGeometry {
    bool maximized = false; // the window is to be maximized; bounds as designed
    WindowBounds bounds;
};

// Where a window opens. `current` is its designed geometry; a window with a
// fixed single border (`fixedBorder`) gets only its position restored.
// Without a saved position the window opens at 0,0. A saved left edge beyond
// the only monitor's width becomes a third of that width; a saved height
// above the screen height becomes screen height - 30 at top 1.
RestoredGeometry restoreWindowGeometry(const IniFile& ini, std::string_view component, const WindowBounds& current,
                                       const SizeConstraints& constraints, bool fixedBorder,
                                       const ScreenMetrics& screen);

// Writes the geometry only for a normal window (a maximized or minimized
// window keeps its last normal geometry in the file), the state always.
void storeWindowGeometry(IniFile& ini, std::string_view component, SavedWindowState state, const WindowBounds& bounds);

// The width rules in order (maximum, then minimum) and the minimum height.
WindowBounds applySizeConstraints(WindowBounds bounds, const SizeConstraints& constraints);

// The executable's path with its extension replaced by ".INI".
std::string programIniName(const std::string& executablePath);

// The window-position INI file of a Windows installation. Version codes 8..12
// (Vista and later, or a 32-bit process on 64-bit Windows) put it in a folder
// named after the executable under `commonAppData`; `forceDirectory` creates
// that folder. When it cannot be created, `failedFolder` receives its name and
// `commonAppData` itself is used. Other versions share the program INI file.
std::string windowPositionIniName(int windowsVersionCode, const std::string& commonAppData,
                                  const std::string& executablePath,
                                  const std::function<bool(const std::string&)>& forceDirectory,
                                  std::string& failedFolder);

} // namespace vantorel
