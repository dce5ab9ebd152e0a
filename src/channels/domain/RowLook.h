#pragma once

#include "channels/domain/ChannelRecord.h"

#include <cstdint>

namespace vantorel {

// How the channel list paints a row: one of five background colours chosen by
// what drives the channel, and blank cells for the fields that do not apply.

enum class RowColorRole {
    None = -1, // the list's normal colours
    NOLine = 0, // Note On, data from the velocity
    NOVelocityLine, // Note On, fixed value
    CCLine, // Control Change, data from the controller value
    CCValueLine, // Control Change, fixed value
    DMXValueLine, // always on with a constant value
};
inline constexpr int kRowColorRoleCount = 5;

// Colour values are 0x00BBGGRR.
uint32_t defaultRowColor(RowColorRole role);
// Key of the role in the "Colors" section of the settings file ("NOLine" ...).
const char* rowColorKey(RowColorRole role);

RowColorRole rowColorRoleOf(const ChannelRecord& record);

enum class CellLook {
    RowColour, // the row's background, normal text
    Blank, // white, no text: the field does not apply to this row
    PlainText, // black text on white
};

// Look of the cell in `column` (0..9) of a row.
CellLook cellLookOf(const ChannelRecord& record, int column);

} // namespace vantorel
