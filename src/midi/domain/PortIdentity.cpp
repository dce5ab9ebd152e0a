#include "midi/domain/PortIdentity.h"

#include <algorithm>
#include <cctype>

namespace vantorel {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the run of digits that ends just before `end`.
size_t digitsBefore(const std::string& text, size_t end)
{
    size_t begin = end;
    while (begin > 0 && isDigit(text[begin - 1]))
        --begin;
    return end - begin;
}

// Where a trailing " 24:0" (ALSA sequencer address) begins; npos when none.
size_t alsaAddress(const std::string& name)
{
    const size_t portDigits = digitsBefore(name, name.size());
    if (portDigits == 0 || portDigits == name.size() || name[name.size() - portDigits - 1] != ':')
        return std::string::npos;
    const size_t colon = name.size() - portDigits - 1;
    const size_t clientDigits = digitsBefore(name, colon);
    const size_t start = colon - clientDigits;
    if (clientDigits == 0 || start < 2 || name[start - 1] != ' ')
        return std::string::npos;
    return start - 1;
}

// " 3" at the end (the WinMM device number RtMidi appends).
void stripDeviceNumber(std::string& name)
{
    const size_t digits = digitsBefore(name, name.size());
    if (digits > 0 && name.size() > digits + 1 && name[name.size() - digits - 1] == ' ')
        name.erase(name.size() - digits - 1);
}

// "2- " in front (Windows numbers further devices with one name).
void stripLeadingNumber(std::string& name)
{
    const size_t digits = size_t(std::find_if_not(name.begin(), name.end(), isDigit) - name.begin());
    if (digits > 0 && name.compare(digits, 2, "- ") == 0 && name.size() > digits + 2)
        name.erase(0, digits + 2);
}

// "client-01:port" (JACK's name for a second client of one name).
void stripClientSuffix(std::string& name)
{
    const size_t colon = name.find(':');
    if (colon == std::string::npos)
        return;
    const size_t digits = digitsBefore(name, colon);
    if (digits >= 2 && colon > digits + 1 && name[colon - digits - 1] == '-')
        name.erase(colon - digits - 1, digits + 1);
}

// " [24]" anywhere (the ALSA client number in names of the JACK bridge).
void stripBracketNumbers(std::string& name)
{
    size_t open = 0;
    while ((open = name.find(" [", open)) != std::string::npos) {
        const size_t close = name.find(']', open);
        if (close != std::string::npos && close > open + 2 && digitsBefore(name, close) == close - open - 2)
            name.erase(open, close - open + 1);
        else
            ++open;
    }
}

PortNaming nativeNaming(const std::string& name)
{
#if defined(_WIN32)
    (void)name;
    return PortNaming::WinMM;
#elif defined(__APPLE__)
    (void)name;
    return PortNaming::Plain;
#else
    return alsaAddress(name) != std::string::npos ? PortNaming::Alsa : PortNaming::Jack;
#endif
}

} // namespace

std::string stablePortName(const std::string& name, PortNaming naming)
{
    std::string stable = name;
    switch (naming == PortNaming::Native ? nativeNaming(name) : naming) {
    case PortNaming::Alsa:
        if (const size_t address = alsaAddress(stable); address != std::string::npos)
            stable.erase(address);
        break;
    case PortNaming::WinMM:
        stripDeviceNumber(stable);
        stripLeadingNumber(stable);
        break;
    case PortNaming::Jack:
        stripClientSuffix(stable);
        stripBracketNumbers(stable);
        break;
    case PortNaming::Native:
    case PortNaming::Plain: break;
    }
    return stable;
}

int findStablePort(const std::vector<std::string>& names, const std::string& saved, PortNaming naming)
{
    const auto exact = std::find(names.begin(), names.end(), saved);
    if (exact != names.end())
        return int(exact - names.begin());
    const std::string wanted = stablePortName(saved, naming);
    for (size_t i = 0; i < names.size(); ++i)
        if (stablePortName(names[i], naming) == wanted)
            return int(i);
    return -1;
}

} // namespace vantorel
