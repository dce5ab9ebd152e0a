#pragma once

#include "emulator/device/EmulatedDevice.h"
#include "util/Result.h"

#include <string>
#include <vector>

namespace vantorel {

// Command line of vantorel-emulator.
struct EmulatorArguments {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    Error error; // Action::Error: what is wrong, one line (translatable)
    std::string clientName; // --name
    bool verbose = false; // --verbose
    std::string imageOut; // --image-out: where each completed upload's image is written
    std::string channelsOut; // --channels-out: where the stored channels are written at the end
    EmulatorConfig config;
};

// Parses the arguments after the program name.
EmulatorArguments parseEmulatorArguments(const std::vector<std::string>& args);

// The --help text in English, ending in a newline; marked for translation in
// the context "vantorel-emulator".
std::string emulatorUsage();

} // namespace vantorel
