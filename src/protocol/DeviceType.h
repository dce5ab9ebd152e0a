#pragma once

#include <optional>
#include <string_view>

namespace vantorel {

// The editions of the device. The value is the letter the device and the
// firmware files name the edition by (the identification replies, the
// version marker "FBversion:" etc.); programs store and print that letter.
enum class DeviceType : char { Pro = 'P', Basic = 'B', Eco = 'E' };

// The edition a letter names; nullopt for any other letter ('X' before the
// device answered, 'U' for a universal firmware file, garbage).
constexpr std::optional<DeviceType> deviceTypeFromLetter(char letter)
{
    switch (letter) {
    case char(DeviceType::Pro): return DeviceType::Pro;
    case char(DeviceType::Basic): return DeviceType::Basic;
    case char(DeviceType::Eco): return DeviceType::Eco;
    default: return std::nullopt;
    }
}

constexpr char deviceTypeLetter(DeviceType type)
{
    return char(type);
}

// "VANTOREL Pro", "VANTOREL Basic", "VANTOREL Eco".
constexpr std::string_view productName(DeviceType type)
{
    switch (type) {
    case DeviceType::Pro: return "VANTOREL Pro";
    case DeviceType::Basic: return "VANTOREL Basic";
    case DeviceType::Eco: return "VANTOREL Eco";
    }
    return {};
}

// Whether `letter` names the Pro edition (which has no Basic/Eco modes).
constexpr bool isPro(char letter)
{
    return deviceTypeFromLetter(letter) == DeviceType::Pro;
}

} // namespace vantorel
