#pragma once

#include <string>
#include <vector>

namespace vantorel {

// Note and controller numbers 0..127 as the device's lists show them.
inline constexpr int kNoteCount = 128;

// "C-1/0" ... "G9/127"; entry 12 is "C-0/12" followed by six blanks.
const std::vector<std::string>& noteLabelList();
// Label of note or controller number 0..127; empty outside that range.
std::string noteLabel(int number);

} // namespace vantorel
