#include "util/Utils.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shlobj.h>
#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#endif
#endif

namespace vantorel {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int upperHexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string hexByteText(uint8_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

char pathSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

#ifdef _WIN32
std::filesystem::path pathFromText(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring converted(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, converted.data(), wide);
    return std::filesystem::path(converted);
}
#else
std::filesystem::path pathFromText(const std::string& text)
{
    return std::filesystem::path(text);
}
#endif

std::string addTrailingBackslash(const std::string& path)
{
    if (path.empty() || path.back() == pathSeparator())
        return path;
    return path + pathSeparator();
}

bool forceDirectoryPath(const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return false;

    std::error_code ec;
    const std::string withSeparator = addTrailingBackslash(path);
    if (fs::is_directory(pathFromText(withSeparator), ec))
        return true;

    // Relative paths are taken from the current directory. The root (drive,
    // server name or "/") is never created; every segment below it is
    // created in turn, top first, when it does not exist yet.
    fs::path target = pathFromText(path);
    if (target.is_relative()) {
        target = fs::absolute(target, ec);
        if (ec)
            return false;
    }
    target = target.lexically_normal();

    bool result = false;
    bool createdAny = false;
    fs::path current = target.root_path();
    for (const fs::path& segment : target.relative_path()) {
        if (segment.empty())
            continue;
        current /= segment;
        std::error_code existsError;
        if (fs::exists(current, existsError))
            continue;
        // The outcome of the last creation decides; an earlier failure does
        // not stop the walk.
        std::error_code createError;
        const bool created = fs::create_directory(current, createError);
        result = !createError && (created || fs::is_directory(current, existsError));
        createdAny = true;
    }
    if (!createdAny) {
        // Nothing was missing, yet the path was not a directory above: a
        // segment names a file.
        return fs::is_directory(target, ec);
    }
    return result;
}

#ifdef _WIN32

std::string getSpecialFolderPath(int csidl)
{
    char buffer[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE))
        return std::string();
    return std::string(buffer);
}

bool isWow64()
{
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (!kernel)
        return false;
    bool result = false;
    auto isWow64Process
        = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64Process) {
        BOOL wow64 = FALSE;
        if (isWow64Process(GetCurrentProcess(), &wow64))
            result = wow64 != FALSE;
    }
    FreeLibrary(kernel);
    return result;
}

int getWindowsVersionCode()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    const BOOL ok = GetVersionExA(&info);
#ifdef _MSC_VER
#pragma warning(pop)
#elif defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (!ok)
        return 0;
    if (isWow64())
        return 12;

    const DWORD major = info.dwMajorVersion;
    const DWORD minor = info.dwMinorVersion;
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        if (major == 4 && minor == 0)
            return 1;
        if (major == 4 && minor == 10)
            return info.szCSDVersion[1] == 'A' ? 3 : 2;
        if (major == 4 && minor == 90)
            return 5;
        return 0;
    }
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (major <= 4)
            return 4;
        if (major == 5 && minor == 0)
            return 6;
        if (major == 5 && minor == 1)
            return 7;
        if (major == 6) {
            switch (minor) {
            case 0: return 8;
            case 1: return 9;
            case 2: return 10;
            case 3: return 11;
            case 4: return 12;
            default: return 0;
            }
        }
    }
    return 0;
}

#else

std::string getSpecialFolderPath(int)
{
    return std::string();
}

bool isWow64()
{
    return false;
}

int getWindowsVersionCode()
{
    return 0;
}

#endif

std::string upperCasePolish(std::string_view text)
{
    std::string result(text);
    for (char& ch : result) {
        const auto c = static_cast<unsigned char>(ch);
        unsigned char upper = c;
        if (c >= 'a' && c <= 'z') {
            upper = static_cast<unsigned char>(c - 'a' + 'A');
        } else {
            switch (c) {
            case 0x9C: upper = 0x8C; break; // s acute
            case 0x9F: upper = 0x8F; break; // z acute
            case 0xB3: upper = 0xA3; break; // l stroke
            case 0xB9: upper = 0xA5; break; // a ogonek
            case 0xBF: upper = 0xAF; break; // z dot
            case 0xE6: upper = 0xC6; break; // c acute
            case 0xEA: upper = 0xCA; break; // e ogonek
            case 0xF1: upper = 0xD1; break; // n acute
            case 0xF3: upper = 0xD3; break; // o acute
            default: break;
            }
        }
        ch = static_cast<char>(upper);
    }
    return result;
}

std::string bytesToHexText(const uint8_t* data, size_t size, std::string_view separator)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (!data || size == 0)
        return text;
    text.reserve(size * (2 + separator.size()));
    for (size_t i = 0; i < size; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
        text += separator;
    }
    return text;
}

std::string bytesToHexText(const std::vector<uint8_t>& bytes, std::string_view separator)
{
    return bytesToHexText(bytes.data(), bytes.size(), separator);
}

// Pairs other than "30".."39" and "41".."46" contribute nothing (they are
// skipped, the walk goes on); a lone last character is ignored.
uint32_t asciiHexToInt(std::string_view text)
{
    std::string digits;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const char kind = text[i];
        const char code = text[i + 1];
        if (kind == '3' && code >= '0' && code <= '9')
            digits += code;
        else if (kind == '4' && code >= '1' && code <= '6')
            digits += static_cast<char>('A' + (code - '1'));
    }
    return hexTextToInt(digits);
}

// Reads hex digits up to the first character that is not one (the rest is
// ignored, like strtoul). With more than 8 digits the value keeps the last
// 8, i.e. the low 32 bits.
uint32_t hexTextToInt(std::string_view text)
{
    uint32_t value = 0;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            break;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string intToDecimalTriplets(uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%.3u%.3u%.3u%.3u", value & 0xFFu, (value >> 8) & 0xFFu,
                  (value >> 16) & 0xFFu, (value >> 24) & 0xFFu);
    return std::string(buffer);
}

// Anything but exactly twelve decimal digits gives 0.
uint32_t decimalTripletsToInt(std::string_view text)
{
    if (text.size() != 12)
        return 0;
    uint32_t value = 0;
    for (size_t group = 0; group < 4; ++group) {
        uint32_t number = 0;
        for (size_t i = 0; i < 3; ++i) {
            const char c = text[group * 3 + i];
            if (c < '0' || c > '9')
                return 0;
            number = number * 10 + static_cast<uint32_t>(c - '0');
        }
        value |= (number & 0xFFu) << (8 * group);
    }
    return value;
}

std::vector<std::string> messageLanguages(const std::function<const char*(const char*)>& variable)
{
    const auto value = [&](const char* name) {
        const char* text = variable(name);
        return std::string(text ? text : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = value(name);
        if (!locale.empty())
            break;
    }
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0)
        return {};
    std::vector<std::string> languages;
    const std::string languageList = value("LANGUAGE");
    std::string_view list = languageList;
    while (!list.empty()) {
        const size_t colon = list.find(':');
        if (colon != 0)
            languages.emplace_back(list.substr(0, colon));
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (languages.empty())
        languages.push_back(locale);
    return languages;
}

} // namespace vantorel
