#include "firmware/domain/UploadDecision.h"
#include "util/Translate.h"

namespace vantorel {

const char* const kFirmwareTypeMismatchText = VANTOREL_TRANSLATE_NOOP(
    "vantorel::UploadDecision",
    "Firmware type and device type mismatch!\r\nPossible reasons:\r\n1. Firmware not loaded.\r\n"
    "2. Device not identified.\r\n Upload not allowed.");

UploadDecision decideUpload(int mode, PackedDateTime deviceDate, PackedDateTime fileDate, char fileType,
                            char deviceType)
{
    bool upload = false;
    switch (mode) {
    case UploadIfNewer: upload = deviceDate < fileDate || deviceDate == 0; break;
    case UploadIfSameOrOlder: upload = deviceDate >= fileDate; break;
    case InterfaceTestMode: return UploadDecision::InterfaceTest;
    default: return UploadDecision::None;
    }
    if (!upload)
        return UploadDecision::None;
    if (fileType != deviceType || fileType == 'X')
        return UploadDecision::Refused;
    return UploadDecision::Upload;
}

} // namespace vantorel
