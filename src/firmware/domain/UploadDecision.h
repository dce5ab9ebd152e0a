#pragma once

#include "firmware/domain/PackedDateTime.h"

namespace vantorel {

// Items of the upload mode choice (rglngMode).
enum UploadMode { ReadVersions = 0, UploadIfNewer = 1, UploadIfSameOrOlder = 2, InterfaceTestMode = 3 };

// What the program decides when the bootloader reports Idle.
enum class UploadDecision { None, Upload, Refused, InterfaceTest };

// The decision for the upload mode `mode`, the device's firmware date, the
// current file's date and the two type letters. A file without a type marker
// ('X') or of another edition than the device is refused.
UploadDecision decideUpload(int mode, PackedDateTime deviceDate, PackedDateTime fileDate, char fileType,
                            char deviceType);

// Text of the box shown when the type check refuses an upload.
extern const char* const kFirmwareTypeMismatchText;

} // namespace vantorel
