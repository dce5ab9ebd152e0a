#include "settings/PortNames.h"

#include "midi/domain/PortIdentity.h"
#include "util/Utils.h"

#include <string>

namespace vantorel {

namespace {

// The Polish letters of code page 1250 and their Unicode characters.
struct Cp1250Letter {
    unsigned char code;
    char16_t unicode;
};
constexpr Cp1250Letter kPolishLetters[] = {
    {0xA5, u'\u0104'}, {0xB9, u'\u0105'}, // A ogonek
    {0xC6, u'\u0106'}, {0xE6, u'\u0107'}, // C acute
    {0xCA, u'\u0118'}, {0xEA, u'\u0119'}, // E ogonek
    {0xA3, u'\u0141'}, {0xB3, u'\u0142'}, // L stroke
    {0xD1, u'\u0143'}, {0xF1, u'\u0144'}, // N acute
    {0xD3, u'\u00D3'}, {0xF3, u'\u00F3'}, // O acute
    {0x8C, u'\u015A'}, {0x9C, u'\u015B'}, // S acute
    {0x8F, u'\u0179'}, {0x9F, u'\u017A'}, // Z acute
    {0xAF, u'\u017B'}, {0xBF, u'\u017C'}, // Z dot
};

// The code page 1250 byte of an ASCII or Polish character, 0 for others.
unsigned char toCp1250(char16_t c)
{
    if (c > 0 && c < 0x80)
        return static_cast<unsigned char>(c);
    for (const auto& letter : kPolishLetters)
        if (letter.unicode == c)
            return letter.code;
    return 0;
}

char16_t fromCp1250(unsigned char code)
{
    if (code < 0x80)
        return code;
    for (const auto& letter : kPolishLetters)
        if (letter.code == code)
            return letter.unicode;
    return 0;
}

} // namespace

QString upperCasePolishText(const QString& text)
{
    QString result = text;
    for (QChar& ch : result) {
        const unsigned char code = toCp1250(ch.unicode());
        if (code == 0)
            continue;
        const std::string upper = upperCasePolish(std::string(1, static_cast<char>(code)));
        ch = QChar(fromCp1250(static_cast<unsigned char>(upper.front())));
    }
    return result;
}

int findPortName(const QStringList& names, const QString& name)
{
    const QString wanted = upperCasePolishText(name);
    for (int i = 0; i < names.size(); ++i)
        if (upperCasePolishText(names.at(i)) == wanted)
            return i;
    // The same device under the number the MIDI system gave it this time.
    std::vector<std::string> upper;
    for (const QString& n : names)
        upper.push_back(upperCasePolishText(n).toStdString());
    return findStablePort(upper, wanted.toStdString());
}

} // namespace vantorel
