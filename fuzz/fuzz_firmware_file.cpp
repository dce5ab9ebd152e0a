// Firmware files: any text through Base64, the key derivation, the decryption
// and its check value, and any image through the version marker search and
// the date parser. Images packed here must come back unchanged, and damage
// in the parts the check value covers must be refused.

#include "FuzzCheck.h"

#include "BixPacker.h"
#include "firmware/domain/Base64.h"
#include "firmware/domain/FirmwareCipher.h"
#include "firmware/domain/FirmwareFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

void CheckVersion(const FirmwareImage& image)
{
    const FirmwareVersion version = FindFirmwareVersion(image);
    if (version.typeLetter == 'X') {
        FUZZ_CHECK(version.date == 0 && version.typeName.empty());
        return;
    }
    FUZZ_CHECK(std::string_view("BPEU").find(version.typeLetter) != std::string_view::npos);
    FUZZ_CHECK(!version.typeName.empty());
    if (version.date != 0) {
        // Only dates the packed form holds: bits 28-31 stay clear.
        FUZZ_CHECK((version.date >> 28) == 0);
        FUZZ_CHECK(FormatPackedDateTime(version.date).size() >= 16);
    }
}

void CheckDate(const std::string& text)
{
    const PackedDateTime date = ParseVersionDate(text);
    if (date == 0)
        return;
    FUZZ_CHECK((date >> 28) == 0);
    // The text of a date reads back as the same date.
    const std::string shown = FormatPackedDateTime(date);   // "YYYY-MM-DD HH:NN"
    const std::string reordered = shown.substr(5, 2) + "/" + shown.substr(8, 2) + "/" + shown.substr(0, 4) + " "
        + shown.substr(11, 2) + ":" + shown.substr(14, 2);
    FUZZ_CHECK(ParseVersionDate(reordered) == date);
}

void CheckRoundTrip(FuzzedDataProvider& input)
{
    FirmwareSalt salt{};
    for (uint8_t& b : salt)
        b = input.ConsumeIntegral<uint8_t>();
    const size_t lineLength = input.ConsumeIntegralInRange<size_t>(0, 100);
    const size_t damageAt = input.ConsumeIntegral<uint16_t>();
    const uint8_t damage = input.ConsumeIntegralInRange<uint8_t>(1, 255);
    const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    const FirmwareImage image(bytes.begin(), bytes.end());
    const FirmwarePassword password = BuiltInFirmwarePassword();

    // Base64 with any line length decodes to the same bytes.
    FUZZ_CHECK(DecodeBase64(EncodeBase64(bytes, lineLength)) == bytes);

    const std::string text = PackFirmwareImage(image, salt, password, lineLength);
    const auto decrypted = DecryptFirmwareText(text, password);
    FUZZ_CHECK(decrypted.has_value());
    FUZZ_CHECK(*decrypted == image);
    CheckVersion(*decrypted);

    // Another password fails the check.
    FirmwarePassword other = password;
    other[damageAt % other.size()] ^= damage;
    FUZZ_CHECK(!DecryptFirmwareText(text, other).has_value());

    // Damage to the salt, the last 16 ciphertext bytes or the check value is
    // refused; damage before them changes the image without being noticed
    // (the check value covers only the final feedback register).
    std::vector<uint8_t> file = EncryptFirmwareImage(image, salt, password);
    const size_t at = damageAt % file.size();
    file[at] ^= damage;
    const auto damaged = DecryptFirmwareText(EncodeBase64(file, lineLength), password);
    const size_t covered = file.size() - kFirmwareCheckSize - std::min<size_t>(image.size(), 16);
    if (at < kFirmwareSaltSize || at >= covered)
        FUZZ_CHECK(!damaged.has_value());
    else
        FUZZ_CHECK(damaged.has_value() && *damaged != image);

    // Anything shorter than salt and check value is refused.
    file.resize(std::min(file.size(), kFirmwareSaltSize + kFirmwareCheckSize - 1));
    FUZZ_CHECK(!DecryptFirmwareText(EncodeBase64(file), password).has_value());
}

// Known answers before any input: the two published sample files decrypt to
// their published images, so a packer and unpacker that agree with each other
// but not with the devices' files cannot pass.
bool SamplesDecryptToTheirImages()
{
    const std::filesystem::path folder = VANTOREL_FIRMWARE_SAMPLES_DIR;
    for (const char* name : {"pro_tail", "basic_tail"}) {
        std::string error;
        const auto text = ReadFirmwareFileText(folder / (std::string(name) + ".bix"), error);
        const auto expected = ReadFirmwareFileText(folder / (std::string(name) + ".bin"), error);
        FUZZ_CHECK(text && expected);
        const auto image = DecryptFirmwareText(*text, BuiltInFirmwarePassword());
        FUZZ_CHECK(image && std::equal(image->begin(), image->end(), expected->begin(), expected->end(),
                                       [](uint8_t a, char b) { return a == uint8_t(b); }));
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool known = SamplesDecryptToTheirImages();
    FUZZ_CHECK(known);
    // The first byte chooses: a file text, an image, or an image to pack.
    if (size == 0)
        return 0;
    FuzzedDataProvider input(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        // A file as it comes: any text.
        const std::string text = input.ConsumeRemainingBytesAsString();
        if (const auto image = DecryptFirmwareText(text, BuiltInFirmwarePassword()))
            CheckVersion(*image);
        break;
    }
    case 1: {
        // A decrypted image: the marker search and the date parser.
        const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
        CheckVersion(FirmwareImage(bytes.begin(), bytes.end()));
        CheckDate(std::string(bytes.begin(), bytes.end()));
        break;
    }
    default:
        CheckRoundTrip(input);
        break;
    }
    return 0;
}
