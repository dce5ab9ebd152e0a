#include "channels/domain/RowLook.h"

namespace vantorel {

uint32_t defaultRowColor(RowColorRole role)
{
    switch (role) {
    case RowColorRole::NOLine: return 0x80FF80; // light green
    case RowColorRole::NOVelocityLine: return 0xBBFFBB; // pale green
    case RowColorRole::CCLine: return 0x80FFFF; // light yellow
    case RowColorRole::CCValueLine: return 0xBFFFFF; // pale yellow
    case RowColorRole::DMXValueLine: return 0xFF80FF; // pink
    case RowColorRole::None: break;
    }
    return 0xFFFFFF;
}

const char* rowColorKey(RowColorRole role)
{
    switch (role) {
    case RowColorRole::NOLine: return "NOLine";
    case RowColorRole::NOVelocityLine: return "NOVelocityLine";
    case RowColorRole::CCLine: return "CCLine";
    case RowColorRole::CCValueLine: return "CCValueLine";
    case RowColorRole::DMXValueLine: return "DMXValueLine";
    case RowColorRole::None: break;
    }
    return "";
}

RowColorRole rowColorRoleOf(const ChannelRecord& record)
{
    if (record.controlMode == kValue)
        return RowColorRole::DMXValueLine;
    const bool velocity = record.dataType == kVelocity;
    if (record.activeOn == kNoteOn)
        return velocity ? RowColorRole::NOLine : RowColorRole::NOVelocityLine;
    if (record.activeOn == kControlChange)
        return velocity ? RowColorRole::CCLine : RowColorRole::CCValueLine;
    return RowColorRole::None;
}

CellLook cellLookOf(const ChannelRecord& record, int column)
{
    if (column <= ColConstantValue)
        return CellLook::RowColour;
    if (record.controlMode == kValue)
        return column == ColDescription ? CellLook::PlainText : CellLook::Blank;
    if (record.dataType == kVelocity && column >= ColFixedValue)
        return column == ColDescription ? CellLook::PlainText : CellLook::Blank;
    return CellLook::RowColour;
}

} // namespace vantorel
