#include "emulator/device/EmulatorArguments.h"

#include "firmware/domain/FirmwareFile.h"
#include "util/Translate.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace vantorel {

namespace {

// The context the texts of this file are marked with.
constexpr const char* kContext = "vantorel-emulator";

template <typename T> std::optional<T> parseNumber(const std::string& text, T min, T max)
{
    T value{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

char toLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

char toUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace

std::string emulatorUsage()
{
    return VANTOREL_TRANSLATE_NOOP(
        "vantorel-emulator",
        "Usage: vantorel-emulator --name CLIENT --type P|B|E [options]\n"
        "Emulates a VANTOREL device as the JACK client CLIENT with the MIDI ports\n"
        "CLIENT:in (commands from the program) and CLIENT:out (replies).\n"
        "Prints \"ready\" once the ports exist; SIGTERM or SIGINT ends it.\n"
        "\n"
        "  --name CLIENT     JACK client name (required)\n"
        "  --type P|B|E      edition: Pro, Basic or Eco (default P); another letter A-Z\n"
        "                    makes an edition the program does not know\n"
        "  --device-id N     device ID (default 1)\n"
        "  --never-answer    receive everything, answer nothing\n"
        "  --skip LETTER:N   leave out the N-th reply with this letter (repeatable)\n"
        "  --delay MS        send every answer MS milliseconds late\n"
        "  --alter-channel N store DMX channel N with another MIDI channel than written\n"
        "  --firmware-date D firmware date \"MM-DD-YYYY HH:MM\", or 0 for no valid firmware\n"
        "  --bootloader      start in the bootloader and announce it\n"
        "  --image-out FILE  write the image of each completed upload to FILE\n"
        "  --channels-out FILE  at the end, write the stored channels to FILE, one\n"
        "                    channel payload a line in channel order\n"
        "  --corrupt-block N answer the N-th firmware block with a checksum error\n"
        "  --drop-block-request N  leave out the N-th block request (1: the first)\n"
        "  --echo-missing-byte     leave one byte out of the interface test echo\n"
        "  --echo-wrong-byte       change one byte of the interface test echo\n"
        "  --no-restart-after-id   answer \"E\" without restarting\n"
        "  --no-upgrade-verdict    neither confirm nor refuse the final firmware block\n"
        "  --bootloader-after-upgrade  start the bootloader again after an upload\n"
        "  --loss P          lose each message in either direction with chance P (0..1)\n"
        "  --seed S          start the losses of --loss from seed S (default 1)\n"
        "  --drop LETTER:N[:before|:after]  lose the N-th command with this letter,\n"
        "                    before the device acts on it (default) or after, so that\n"
        "                    only its answer is lost (repeatable)\n"
        "  --late LETTER:MS  answer commands with this letter MS milliseconds late\n"
        "  --verbose         log received and sent messages on stderr\n"
        "  --help            show this text\n"
        "  --version         show the version\n");
}

EmulatorArguments parseEmulatorArguments(const std::vector<std::string>& args)
{
    EmulatorArguments result;
    auto fail = [&result](Error message) {
        result.action = EmulatorArguments::Action::Error;
        result.error = std::move(message);
        return result;
    };

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "--version") {
            result.action = option == "--help" ? EmulatorArguments::Action::Help : EmulatorArguments::Action::Version;
            return result;
        }
        if (option == "--never-answer") {
            result.config.neverAnswer = true;
            continue;
        }
        if (option == "--verbose") {
            result.verbose = true;
            continue;
        }
        if (option == "--bootloader" || option == "--echo-missing-byte" || option == "--echo-wrong-byte"
            || option == "--no-restart-after-id" || option == "--no-upgrade-verdict"
            || option == "--bootloader-after-upgrade") {
            (option == "--bootloader"                     ? result.config.bootloader
                 : option == "--echo-missing-byte"        ? result.config.echoMissingByte
                 : option == "--echo-wrong-byte"          ? result.config.echoWrongByte
                 : option == "--no-upgrade-verdict"       ? result.config.noUpgradeVerdict
                 : option == "--bootloader-after-upgrade" ? result.config.bootloaderAfterUpgrade
                                                          : result.config.noRestartAfterDeviceNumber)
                = true;
            continue;
        }
        if (option != "--name" && option != "--type" && option != "--device-id" && option != "--skip"
            && option != "--delay" && option != "--firmware-date" && option != "--image-out"
            && option != "--corrupt-block" && option != "--drop-block-request" && option != "--alter-channel"
            && option != "--loss" && option != "--seed" && option != "--drop" && option != "--late"
            && option != "--channels-out")
            return fail(
                markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "unknown option %1"), option));
        if (i + 1 >= args.size())
            return fail(
                markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "%1 needs a value"), option));
        const std::string& value = args[++i];

        if (option == "--name") {
            if (value.empty())
                return fail(
                    markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--name must not be empty")));
            result.clientName = value;
        } else if (option == "--type") {
            // Letters other than P, B and E make a device of an unknown edition.
            if (value.size() != 1 || value[0] < 'A' || value[0] > 'Z')
                return fail(markedError(kContext,
                                        VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                                                "--type must be P, B, E or another letter A-Z, not %1"),
                                        value));
            result.config.type = value[0];
        } else if (option == "--device-id") {
            const auto id = parseNumber<uint32_t>(value, 0, std::numeric_limits<uint32_t>::max());
            if (!id)
                return fail(
                    markedError(kContext,
                                VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                                        "--device-id needs a number from 0 to 4294967295, not %1"),
                                value));
            result.config.deviceId = *id;
        } else if (option == "--skip") {
            // Reply letters are lower case; "J:2" means the second "j".
            const auto n = value.size() > 2 && value[1] == ':'
                ? parseNumber<int>(value.substr(2), 1, std::numeric_limits<int>::max())
                : std::nullopt;
            const char letter = value.empty() ? 0 : toLower(value[0]);
            if (!n || letter < 'a' || letter > 'z')
                return fail(markedError(
                    kContext,
                    VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--skip needs LETTER:N with N from 1, not %1"),
                    value));
            result.config.skipNth[letter] = *n;
        } else if (option == "--delay") {
            const auto ms = parseNumber<int>(value, 0, 600000);
            if (!ms)
                return fail(markedError(
                    kContext,
                    VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--delay needs milliseconds from 0 to 600000, not %1"),
                    value));
            result.config.delayMs = *ms;
        } else if (option == "--firmware-date") {
            const PackedDateTime date = value == "0" ? 0 : parseVersionDate(value);
            if (value != "0" && (value.size() != 16 || date == 0))
                return fail(
                    markedError(kContext,
                                VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                                        "--firmware-date needs \"MM-DD-YYYY HH:MM\" or 0, not %1"),
                                value));
            result.config.firmwareDate = date;
        } else if (option == "--image-out") {
            if (value.empty())
                return fail(markedError(kContext,
                                        VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--image-out must not be empty")));
            result.imageOut = value;
        } else if (option == "--alter-channel") {
            const auto n = parseNumber<int>(value, 1, 512);
            if (!n)
                return fail(
                    markedError(kContext,
                                VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                                        "--alter-channel needs a DMX channel from 1 to 512, not %1"),
                                value));
            result.config.alterChannel = *n;
        } else if (option == "--channels-out") {
            if (value.empty())
                return fail(markedError(
                    kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--channels-out must not be empty")));
            result.channelsOut = value;
        } else if (option == "--loss") {
            double chance = -1;
            const auto parsed = std::from_chars(value.data(), value.data() + value.size(), chance);
            if (value.empty() || parsed.ec != std::errc() || parsed.ptr != value.data() + value.size() || chance < 0
                || chance > 1)
                return fail(markedError(
                    kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--loss needs a chance from 0 to 1, not %1"),
                    value));
            result.config.loss = chance;
        } else if (option == "--seed") {
            const auto seed = parseNumber<uint32_t>(value, 0, std::numeric_limits<uint32_t>::max());
            if (!seed)
                return fail(markedError(
                    kContext,
                    VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--seed needs a number from 0 to 4294967295, not %1"),
                    value));
            result.config.seed = *seed;
        } else if (option == "--drop") {
            // LETTER:N, LETTER:N:before or LETTER:N:after; the letter names the command.
            const size_t second = value.find(':', 2);
            const std::string when = second == std::string::npos ? "before" : value.substr(second + 1);
            const auto n = value.size() > 2 && value[1] == ':'
                ? parseNumber<int>(value.substr(2, second - 2), 1, std::numeric_limits<int>::max())
                : std::nullopt;
            const char letter = value.empty() ? 0 : toUpper(value[0]);
            if (!n || letter < 'A' || letter > 'Z' || (when != "before" && when != "after"))
                return fail(markedError(
                    kContext,
                    VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                            "--drop needs LETTER:N, LETTER:N:before or LETTER:N:after, not %1"),
                    value));
            result.config.drops.push_back({letter, *n, when == "after"});
        } else if (option == "--late") {
            const auto ms
                = value.size() > 2 && value[1] == ':' ? parseNumber<int>(value.substr(2), 0, 600000) : std::nullopt;
            const char letter = value.empty() ? 0 : toUpper(value[0]);
            if (!ms || letter < 'A' || letter > 'Z')
                return fail(
                    markedError(kContext,
                                VANTOREL_TRANSLATE_NOOP("vantorel-emulator",
                                                        "--late needs LETTER:MS with MS from 0 to 600000, not %1"),
                                value));
            result.config.lateMs[letter] = *ms;
        } else if (option == "--corrupt-block" || option == "--drop-block-request") {
            const auto n = parseNumber<int>(value, 1, std::numeric_limits<int>::max());
            if (!n)
                return fail(markedError(
                    kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "%1 needs a number from 1, not %2"), option,
                    value));
            (option == "--corrupt-block" ? result.config.corruptBlock : result.config.dropBlockRequest) = *n;
        }
    }
    if (result.clientName.empty())
        return fail(markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "--name CLIENT is required")));
    return result;
}

} // namespace vantorel
