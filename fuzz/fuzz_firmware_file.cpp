// Firmware files: any text through Base64, the key derivation, the decryption
// and its check value, and any image through the version marker search and
// the date parser. Images packed here must come back unchanged, and damage
// in the parts the check value covers must be refused. Images also go
// through the block messages of an upload, held against a model of them
// written in UploadStreamModel.h.

#include "FuzzCheck.h"
#include "UploadStreamModel.h"

#include "BixPacker.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/domain/Aes256.h"
#include "firmware/domain/Base64.h"
#include "firmware/domain/FirmwareCipher.h"
#include "firmware/domain/FirmwareFile.h"
#include "firmware/domain/Whirlpool0.h"
#include "protocol/Crc32.h"
#include "protocol/Sysex.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

void CheckVersion(const FirmwareImage& image)
{
    const FirmwareVersion version = findFirmwareVersion(image);
    if (version.typeLetter == 'X') {
        FUZZ_CHECK(version.date == 0 && version.typeName.empty());
        return;
    }
    FUZZ_CHECK(std::string_view("BPEU").find(version.typeLetter) != std::string_view::npos);
    FUZZ_CHECK(!version.typeName.empty());
    if (version.date != 0) {
        // Only dates the packed form holds: bits 28-31 stay clear.
        FUZZ_CHECK((version.date >> 28) == 0);
        FUZZ_CHECK(formatPackedDateTime(version.date).size() >= 16);
    }
}

void CheckDate(const std::string& text)
{
    const PackedDateTime date = parseVersionDate(text);
    if (date == 0)
        return;
    FUZZ_CHECK((date >> 28) == 0);
    // The text of a date reads back as the same date.
    const std::string shown = formatPackedDateTime(date); // "YYYY-MM-DD HH:NN"
    const std::string reordered = shown.substr(5, 2) + "/" + shown.substr(8, 2) + "/" + shown.substr(0, 4) + " "
        + shown.substr(11, 2) + ":" + shown.substr(14, 2);
    FUZZ_CHECK(parseVersionDate(reordered) == date);
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
    const FirmwarePassword password = builtInFirmwarePassword();

    // Base64 with any line length decodes to the same bytes.
    FUZZ_CHECK(decodeBase64(encodeBase64(bytes, lineLength)) == bytes);

    const std::string text = packFirmwareImage(image, salt, password, lineLength);
    const auto decrypted = decryptFirmwareText(text, password);
    FUZZ_CHECK(decrypted.has_value());
    FUZZ_CHECK(*decrypted == image);
    CheckVersion(*decrypted);

    // Another password fails the check.
    FirmwarePassword other = password;
    other[damageAt % other.size()] ^= damage;
    FUZZ_CHECK(!decryptFirmwareText(text, other).has_value());

    // Damage to the salt, the last 16 ciphertext bytes or the check value is
    // refused; damage before them changes the image without being noticed
    // (the check value covers only the final feedback register).
    std::vector<uint8_t> file = encryptFirmwareImage(image, salt, password);
    const size_t at = damageAt % file.size();
    file[at] ^= damage;
    const auto damaged = decryptFirmwareText(encodeBase64(file, lineLength), password);
    const size_t covered = file.size() - kFirmwareCheckSize - std::min<size_t>(image.size(), 16);
    if (at < kFirmwareSaltSize || at >= covered)
        FUZZ_CHECK(!damaged.has_value());
    else
        FUZZ_CHECK(damaged.has_value() && *damaged != image);

    // Anything shorter than salt and check value is refused.
    file.resize(std::min(file.size(), kFirmwareSaltSize + kFirmwareCheckSize - 1));
    FUZZ_CHECK(!decryptFirmwareText(encodeBase64(file), password).has_value());
}

// Known answers before any input: the two published sample files decrypt to
// their published images, so a packer and unpacker that agree with each other
// but not with the devices' files cannot pass.
bool SamplesDecryptToTheirImages()
{
    const std::filesystem::path folder = VANTOREL_FIRMWARE_SAMPLES_DIR;
    for (const char* name : {"pro_tail", "basic_tail"}) {
        const auto text = readFirmwareFileText(folder / (std::string(name) + ".bix"));
        const auto expected = readFirmwareFileText(folder / (std::string(name) + ".bin"));
        FUZZ_CHECK(text && expected);
        const auto image = decryptFirmwareText(*text, builtInFirmwarePassword());
        FUZZ_CHECK(image
                   && std::equal(image->begin(), image->end(), expected->begin(), expected->end(),
                                 [](uint8_t a, char b) { return a == uint8_t(b); }));
    }
    return true;
}

std::vector<uint8_t> FromHex(std::string_view hex)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(uint8_t(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

// The published values of the primitives under the firmware file: Whirlpool-0
// (the key derivation), AES-256 (the cipher) and CRC-32 (the block messages'
// checksum, here also the model's).
bool PrimitivesGiveTheReferenceValues()
{
    struct Digest {
        std::string input;
        const char* digest;
    };
    const Digest digests[] = {
        {"",
         "b3e1ab6eaf640a34f784593f2074416accd3b8e62c620175fca0997b1ba2347339aa0d79e754c308209ea36811dfa40c1c32f1a2b9004"
         "725d987d3635165d3c8"},
        {std::string(1, '\0'),
         "ee898fa681e89e1bba6764a5c07ced2f4a7bd1b8ec0637dd9caca94d398db29baf6993b278231e2b7a3eecffe027928a4a4c9ac6eb0de"
         "5f0fa58ede5949983d8"},
        {std::string(1, '\x80') + std::string(63, '\0'),
         "8786611bb3601e913e9f9e0a77181fa6279b286f162e48d32c779ad2ca0168eae66bf50bb69fb889eaeabafd5613ff8d0aecba52d8a1b"
         "cdd48935fa416a10cb8"},
        {"a",
         "f4b620445ae62431dbd6dbcec64d2a3031cd2f48df5e755f30b3d069929ed4b4eda0ae65441bc86746021fb7f2167f84d67566efaba00"
         "3f0abb67a42a2ce5b13"},
        {"abc",
         "54ee18b0bbd4dd38a211699f2829793156e5842df502a2a25995c6c541f28cc050ff57d4af772dee7cedcc4c34c3b8ec06446c6657f2f"
         "36c2c06464399879b86"},
        {"message digest",
         "29e158ba336ce7f930115178a6c86019f0f413adb283d8f0798af06ca0a06d6d6f295a333b1c24bda2f429ac918a3748aef90f7a2c8bf"
         "b084d5f979cf4e7b2b5"},
        {"abcdefghijklmnopqrstuvwxyz",
         "5ac9757e1407432daf348a972b8ad4a65c1123cf1f9b779c1ae7ee2d540f30b3cefa8f98dca5fbb42084c5c2f161a7b40eb6b4a1fc7f9"
         "aaab92a4bb6002edc5e"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "cae4175f09753de84974cfa968621092fe41ee9de913919c2b452e6cb424056721d640e563f628f29dd3bd0030837ae4ac14aa1730850"
         "5a92e5f7a92f112be75"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "e5965b4565b041a0d459610e5e48e944c4830cd16feba02d9d263e7da8de6a6b88966709bf28a5328d928312e7a172da4cff72fe6de02"
         "277dae4b1dba49689a2"},
        {"abcdbcdecdefdefgefghfghighijhijk",
         "76c8bc5f445140921ceaaed2afce4d0b0722fde3aea20145d9b14a72d22799f2ebb88446b7b46f4646eb33fc7e6f153183b2fd9e9a545"
         "57f41b10ab633b8b6e1"},
        {"The quick brown fox jumps over the lazy dog",
         "4f8f5cb531e3d49a61cf417cd133792ccfa501fd8da53ee368fed20e5fe0248c3a0b64f98a6533cee1da614c3a8ddec791ff05fee6d97"
         "1d57c1348320f4eb42d"},
        {"The quick brown fox jumps over the lazy eog",
         "228fbf76b2a93469d4b25929836a12b7d7f2a0803e43daba0c7fc38bc11c8f2a9416bbcf8ab8392eb2ab7bcb565a64ac50c26179164b2"
         "6084a253caf2e012676"},
        {std::string(1000000, 'a'),
         "bb6cba9730d6c029c0c15fb7a2aa3597cf9442dad96a676c5ee9a1d55f1d64d5e0d1ed0e71250ed960a1bd2e065642cfff1c976e061ba"
         "b70d6c54d284eaaefb9"},
    };
    for (const Digest& vector : digests) {
        const auto digest
            = Whirlpool0::hash(std::span(reinterpret_cast<const uint8_t*>(vector.input.data()), vector.input.size()));
        FUZZ_CHECK(std::vector<uint8_t>(digest.begin(), digest.end()) == FromHex(vector.digest));
    }

    const std::vector<uint8_t> key = FromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
    const Aes256 aes(std::span<const uint8_t, Aes256::kKeySize>(key.data(), Aes256::kKeySize));
    Aes256::Block plain{};
    Aes256::Block cipher{};
    const std::vector<uint8_t> plainBytes = FromHex("00112233445566778899aabbccddeeff");
    const std::vector<uint8_t> cipherBytes = FromHex("8ea2b7ca516745bfeafc49904b496089");
    std::copy(plainBytes.begin(), plainBytes.end(), plain.begin());
    std::copy(cipherBytes.begin(), cipherBytes.end(), cipher.begin());
    FUZZ_CHECK(aes.encrypt(plain) == cipher);
    FUZZ_CHECK(aes.decrypt(cipher) == plain);

    const std::pair<const char*, uint32_t> checksums[] = {
        {"123456789", 0xCBF43926}, {"01000000", 0x667F86B7}, {"00000000", 0xC0088D03},
        {"0A000000", 0x8A17569C},  {"", 0x00000000},
    };
    for (const auto& [text, crc] : checksums) {
        FUZZ_CHECK(crc32OfText(text) == crc);
        FUZZ_CHECK(upload_model::Crc32(text) == crc);
    }
    FUZZ_CHECK(checksumText(0xCBF43926) == "2639F4CB");
    return true;
}

// The block messages the program sends for an image are the model's, byte for
// byte, and read back (as the bootloader reads them) to the image.
void CheckUploadStream(const std::vector<uint8_t>& bytes)
{
    const FirmwareImage image(bytes.begin(), bytes.end());
    const std::vector<FirmwareBlock> blocks = firmwareBlocks(image);
    const std::vector<upload_model::Block> expected = upload_model::Blocks(bytes);
    FUZZ_CHECK(blocks.size() == expected.size());
    std::vector<uint8_t> received;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Bytes message = buildFirmwareBlock(blocks[i].data, blocks[i].counter);
        FUZZ_CHECK(message == upload_model::Message(expected[i]));
        const auto block = upload_model::ReadMessage(message);
        FUZZ_CHECK(block && block->tag == expected[i].tag);
        received.insert(received.end(), block->bytes.begin(), block->bytes.end());
        // Damage to one character of the text is noticed by the block CRC.
        Bytes damaged = message;
        const size_t at = 6 + (bytes.empty() ? 0 : bytes[i % bytes.size()]) % 256;
        damaged[at] = damaged[at] == '0' ? '1' : '0';
        FUZZ_CHECK(!upload_model::ReadMessage(damaged));
    }
    FUZZ_CHECK(received.size() == expected.size() * upload_model::kBlockBytes);
    FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), received.begin()));
    FUZZ_CHECK(std::all_of(received.begin() + std::ptrdiff_t(bytes.size()), received.end(),
                           [](uint8_t b) { return b == 'X'; }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool known = SamplesDecryptToTheirImages() && PrimitivesGiveTheReferenceValues();
    FUZZ_CHECK(known);
    // The first byte chooses: a file text, an image, an image to pack, or an
    // image to upload.
    if (size == 0)
        return 0;
    FuzzedDataProvider input(data + 1, size - 1);
    switch (data[0] % 4) {
    case 0: {
        // A file as it comes: any text.
        const std::string text = input.ConsumeRemainingBytesAsString();
        if (const auto image = decryptFirmwareText(text, builtInFirmwarePassword()))
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
    case 2: CheckRoundTrip(input); break;
    default: CheckUploadStream(input.ConsumeRemainingBytes<uint8_t>()); break;
    }
    return 0;
}
