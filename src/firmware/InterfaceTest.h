#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantorel {

// The test block: the bytes 1, 2, ..., 128, sent with the final block's tag.
std::vector<uint8_t> interfaceTestBlock();
inline constexpr uint32_t kInterfaceTestCounter = 0x7F7F7F7F;

// "Test Failed - length diff out/in: len: 556/554 "
QString interfaceTestFailedText(size_t sentLength, size_t receivedLength);

} // namespace vantorel
