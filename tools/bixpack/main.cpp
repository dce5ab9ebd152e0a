// vantorel-bixpack: writes firmware files (*.bix) from images, and test images.

#include "BixPacker.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

const char* const kUsage = "Usage: vantorel-bixpack [--password HEX8] [--salt HEX32] [--line N] IMAGE OUT.bix\n"
                           "       vantorel-bixpack --make-image SIZE TYPE DATE OUT.bin\n"
                           "\n"
                           "The first form encrypts an image into a firmware file: the built-in password\n"
                           "unless --password is given, a random salt unless --salt is given, Base64 lines\n"
                           "of N characters (default 76, 0 for one line).\n"
                           "The second writes a test image of SIZE bytes with the version marker of TYPE\n"
                           "(B, P, E, U; X for none) followed by DATE (\"MM-DD-YYYY HH:NN\").\n";

int usage(const char* problem)
{
    if (problem)
        std::fprintf(stderr, "vantorel-bixpack: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

std::optional<std::vector<uint8_t>> parseHex(const std::string& text, size_t bytes)
{
    if (text.size() != 2 * bytes)
        return std::nullopt;
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = text.substr(i, 2);
        const unsigned long value = std::strtoul(pair.c_str(), &end, 16);
        if (*end != '\0' || !std::isxdigit(static_cast<unsigned char>(pair[0])))
            return std::nullopt;
        out.push_back(static_cast<uint8_t>(value));
    }
    return out;
}

bool writeFile(const std::string& path, const void* data, size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!file) {
        std::fprintf(stderr, "vantorel-bixpack: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

int makeImage(const std::vector<std::string>& args)
{
    if (args.size() != 4)
        return usage("--make-image takes SIZE TYPE DATE OUT.bin");
    char* end = nullptr;
    const unsigned long size = std::strtoul(args[0].c_str(), &end, 10);
    if (*end != '\0' || args[0].empty() || size > 16u * 1024 * 1024)
        return usage("SIZE must be a number of bytes up to 16 MiB");
    if (args[1].size() != 1)
        return usage("TYPE is one letter");
    const FirmwareImage image = makeTestFirmwareImage(size, args[1][0], args[2]);
    return writeFile(args[3], image.data(), image.size()) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    FirmwarePassword password = builtInFirmwarePassword();
    std::optional<FirmwareSalt> salt;
    size_t lineLength = 76;
    std::vector<std::string> positional;
    bool make = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--make-image") {
            make = true;
        } else if (arg == "--password" && hasValue) {
            const auto bytes = parseHex(argv[++i], password.size());
            if (!bytes)
                return usage("--password takes eight hex digits");
            std::copy(bytes->begin(), bytes->end(), password.begin());
        } else if (arg == "--salt" && hasValue) {
            const auto bytes = parseHex(argv[++i], FirmwareSalt().size());
            if (!bytes)
                return usage("--salt takes 32 hex digits");
            salt.emplace();
            std::copy(bytes->begin(), bytes->end(), salt->begin());
        } else if (arg == "--line" && hasValue) {
            char* end = nullptr;
            lineLength = std::strtoul(argv[++i], &end, 10);
            if (*end != '\0')
                return usage("--line takes a number");
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage(("unknown option or missing value: " + arg).c_str());
        } else {
            positional.push_back(arg);
        }
    }
    if (make)
        return makeImage(positional);
    if (positional.size() != 2)
        return usage(nullptr);

    std::ifstream in(positional[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "vantorel-bixpack: cannot read %s: %s\n", positional[0].c_str(), std::strerror(errno));
        return 1;
    }
    const FirmwareImage image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string text = packFirmwareImage(image, salt ? *salt : randomFirmwareSalt(), password, lineLength);
    return writeFile(positional[1], text.data(), text.size()) ? 0 : 1;
}
