#include "protocol/DeviceType.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace vantorel;

TEST(DeviceType, LettersNameTheThreeEditionsOnly)
{
    struct Case {
        char letter;
        std::optional<DeviceType> type;
        std::string_view product;
    };
    const Case cases[] = {
        {'P', DeviceType::Pro, "VANTOREL Pro"},
        {'B', DeviceType::Basic, "VANTOREL Basic"},
        {'E', DeviceType::Eco, "VANTOREL Eco"},
        {'X', std::nullopt, {}}, // no device type known yet
        {'U', std::nullopt, {}}, // a firmware file for every edition
        {'p', std::nullopt, {}}, // the letters are upper case
        {'W', std::nullopt, {}}, // the Pro firmware file's marker letter, not the type's
        {'\0', std::nullopt, {}},
        {char(0xD0), std::nullopt, {}}, // 'P' with the high bit set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(static_cast<unsigned char>(c.letter)));
        EXPECT_EQ(deviceTypeFromLetter(c.letter), c.type);
        EXPECT_EQ(isPro(c.letter), c.type == DeviceType::Pro);
        if (c.type) {
            EXPECT_EQ(deviceTypeLetter(*c.type), c.letter);
            EXPECT_EQ(productName(*c.type), c.product);
        }
    }
}
