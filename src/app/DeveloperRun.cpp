#include "app/DeveloperRun.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <sys/sysctl.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace vantorel {

bool statusShowsTracer(std::string_view text)
{
    constexpr std::string_view key = "TracerPid:";
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        if (line.substr(0, key.size()) == key) {
            std::string_view value = line.substr(key.size());
            while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front())))
                value.remove_prefix(1);
            if (value.empty() || !std::isdigit(static_cast<unsigned char>(value.front())))
                return false;
            for (char c : value) {
                if (!std::isdigit(static_cast<unsigned char>(c)))
                    break;
                if (c != '0')
                    return true;
            }
            return false;
        }
        pos = end + 1;
    }
    return false;
}

bool isDebuggerAttached()
{
#if defined(_WIN32)
    return IsDebuggerPresent() != 0;
#elif defined(__APPLE__)
    int mib[4] = {CTL_KERN, KERN_PROC, KERN_PROC_PID, getpid()};
    struct kinfo_proc info { };
    size_t size = sizeof info;
    if (sysctl(mib, 4, &info, &size, nullptr, 0) != 0)
        return false;
    return (info.kp_proc.p_flag & P_TRACED) != 0;
#else
    std::ifstream status("/proc/self/status");
    if (!status)
        return false;
    std::ostringstream text;
    text << status.rdbuf();
    return statusShowsTracer(text.str());
#endif
}

} // namespace vantorel
