#include "settings/domain/WindowPosition.h"

#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"
#include "util/Utils.h"

namespace vantorel {

namespace {

std::string key(std::string_view component, std::string_view suffix)
{
    return std::string(component) + std::string(suffix);
}

// The file name part of a path (after the last separator).
std::string_view fileNamePart(std::string_view path)
{
    const std::string folder = extractFilePath(path);
    return path.substr(folder.size());
}

// Index of the extension's dot in the file name part, npos without one.
size_t extensionDot(std::string_view path)
{
    const size_t nameStart = path.size() - fileNamePart(path).size();
    const size_t dot = path.rfind('.');
    return (dot == std::string_view::npos || dot < nameStart) ? std::string_view::npos : dot;
}

} // namespace

WindowBounds applySizeConstraints(WindowBounds bounds, const SizeConstraints& c)
{
    if (c.maxWidth > 0 && c.maxWidth < bounds.width)
        bounds.width = c.maxWidth;
    if (c.minWidth > 0 && c.minWidth > bounds.width)
        bounds.width = c.minWidth;
    if (c.minHeight > 0 && c.minHeight > bounds.height)
        bounds.height = c.minHeight;
    return bounds;
}

RestoredGeometry restoreWindowGeometry(const IniFile& ini, std::string_view component, const WindowBounds& current,
                                       const SizeConstraints& constraints, bool fixedBorder,
                                       const ScreenMetrics& screen)
{
    RestoredGeometry result;
    const std::string_view section = kFormsSizesSection;
    if (!ini.valueExists(section, key(component, ".Xpos"))) {
        WindowBounds bounds{0, 0, current.width, current.height};
        if (screen.height < bounds.height)
            bounds.height = screen.height - 30;
        result.bounds = applySizeConstraints(bounds, constraints);
        return result;
    }

    const int state = ini.readInteger(section, key(component, ".WindowState"), 0);
    if (state != 0 && state != 2) {
        result.maximized = true;
        result.bounds = current;
        return result;
    }

    WindowBounds bounds = current;
    bounds.left = ini.readInteger(section, key(component, ".Xpos"), current.left);
    if (screen.monitorCount == 1 && screen.width < bounds.left)
        bounds.left = screen.width / 3;
    bounds.top = ini.readInteger(section, key(component, ".Ypos"), current.top);
    if (!fixedBorder) {
        bounds.width = ini.readInteger(section, key(component, ".Width"), current.width);
        bounds.height = ini.readInteger(section, key(component, ".Height"), current.height);
        // A size of zero or less would leave no window to see.
        if (bounds.width <= 0)
            bounds.width = current.width;
        if (bounds.height <= 0)
            bounds.height = current.height;
        if (screen.height < bounds.height) {
            bounds.height = screen.height - 30;
            bounds.top = 1;
        }
        bounds = applySizeConstraints(bounds, constraints);
    }
    result.bounds = bounds;
    return result;
}

void storeWindowGeometry(IniFile& ini, std::string_view component, SavedWindowState state, const WindowBounds& bounds)
{
    const std::string_view section = kFormsSizesSection;
    if (state == SavedWindowState::Normal) {
        ini.writeInteger(section, key(component, ".Xpos"), bounds.left);
        ini.writeInteger(section, key(component, ".Ypos"), bounds.top);
        ini.writeInteger(section, key(component, ".Width"), bounds.width);
        ini.writeInteger(section, key(component, ".Height"), bounds.height);
    }
    ini.writeInteger(section, key(component, ".WindowState"), static_cast<int>(state));
}

std::string programIniName(const std::string& executablePath)
{
    const size_t dot = extensionDot(executablePath);
    return (dot == std::string::npos ? executablePath : executablePath.substr(0, dot)) + ".INI";
}

std::string windowPositionIniName(int windowsVersionCode, const std::string& commonAppData,
                                  const std::string& executablePath,
                                  const std::function<bool(const std::string&)>& forceDirectory,
                                  std::string& failedFolder)
{
    failedFolder.clear();
    if (windowsVersionCode < 8 || windowsVersionCode > 12)
        return programIniName(executablePath);

    const std::string_view exeName = fileNamePart(executablePath);
    const size_t dot = exeName.rfind('.');
    const std::string_view baseName = dot == std::string_view::npos ? exeName : exeName.substr(0, dot);

    std::string folder = addTrailingBackslash(commonAppData) + std::string(baseName);
    if (!forceDirectory(folder)) {
        failedFolder = folder;
        folder = commonAppData;
    }
    return addTrailingBackslash(folder) + programIniName(std::string(exeName));
}

} // namespace vantorel
