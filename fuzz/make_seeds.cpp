// Writes the seed corpora of the fuzz targets from what the tests use: what
// the emulated device sends, channel files, INI files and firmware files.
// Usage: fuzz_make_seeds <corpus folder> <tests/data folder>

#include "BixPacker.h"
#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelCsv.h"
#include "emulator/device/EmulatedDevice.h"
#include "protocol/Sysex.h"
#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"
#include "settings/domain/WindowPosition.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace vantorel;

namespace fs = std::filesystem;

namespace {

void write(const fs::path& folder, const std::string& name, const std::string& bytes)
{
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the device answers to `commands`, as one MIDI byte stream prefixed by
// the dispatcher target's stream marker and read interval.
std::string Stream(EmulatedDevice& device, const std::vector<Bytes>& commands, uint8_t readEvery, bool powerOn = false)
{
    std::string stream = "M";
    stream += char(readEvery);
    std::vector<EmulatorOutput> outputs;
    if (powerOn)
        outputs = device.powerOn();
    for (const Bytes& command : commands) {
        const auto more = device.receive(command);
        outputs.insert(outputs.end(), more.begin(), more.end());
    }
    for (const EmulatorOutput& output : outputs)
        stream.append(output.bytes.begin(), output.bytes.end());
    return stream;
}

void DispatcherSeeds(const fs::path& folder)
{
    EmulatedDevice pro;
    for (int n : {1, 2, 17, 512})
        pro.storeChannel(
            encodeChannelPayload(ChannelValues{n, false, 0, 1 + n % 16, n % 2 == 1, n % 100, n % 100 + 5, false, 0}));
    write(folder, "pro_identity_options_channels",
          Stream(pro, {buildCommand('K'), buildCommand('J'), buildCommand('M'), buildCommand('B'), buildCommand('D')},
                 1));
    write(folder, "pro_channels_flood", Stream(pro, {buildCommand('B'), buildCommand('B'), buildCommand('B')}, 0));

    EmulatorConfig basicConfig;
    basicConfig.type = 'B';
    EmulatedDevice basic(basicConfig);
    write(folder, "basic_modes",
          Stream(basic,
                 {buildCommand('F'), buildCommand('G', {1, 2, 3, 4}), buildCommand('I', {2, 0, 0, 0}),
                  buildCommand('H'), buildCommand('N', {0, 0, 0, 0})},
                 2));

    EmulatorConfig loaderConfig;
    loaderConfig.type = 'E';
    loaderConfig.bootloader = true;
    EmulatedDevice loader(loaderConfig);
    // Start, information, Idle; then the interface test with its echo.
    write(folder, "bootloader_interface_test",
          Stream(loader,
                 {{0x9F, 0x00, 0x7F},
                  {0x9F, 0x10, 0x7F},
                  buildFirmwareBlock(std::vector<uint8_t>(128, 7), 0x7F7F7F7F),
                  {0x9F, 0x14, 0x7F}},
                 1, true));
    EmulatedDevice upload(loaderConfig);
    write(folder, "bootloader_upload",
          Stream(upload,
                 {{0x9F, 0x00, 0x7F},
                  {0x9F, 0x24, 0x7F},
                  buildFirmwareBlock(std::vector<uint8_t>(128, 1), 0x7F000001),
                  buildFirmwareBlock(std::vector<uint8_t>(128, 'X'), 0x7F7F7F7F)},
                 3, true));
}

void CsvSeeds(const fs::path& folder)
{
    ChannelTable rows;
    rows.push_back(defaultChannelRecord(1));
    ChannelRecord cc = defaultChannelRecord(2);
    cc.activeOn = "Control Change";
    cc.midiChannel = "16";
    cc.fromNumber = "C-0/12      ";
    cc.toNumber = "G9/127";
    cc.dataType = "Value";
    cc.fixedValue = "255";
    cc.description = "Front wash";
    rows.push_back(cc);
    ChannelRecord always = defaultChannelRecord(512);
    always.controlMode = "Value";
    always.constantValue = "128";
    always.description = "\xC5\xBB\xC3\xB3\xC5\x82w"; // UTF-8
    rows.push_back(always);
    const std::string text = writeChannelCsv(rows);
    write(folder, "three_rows.csv", text);
    write(folder, "bom.csv", "\xEF\xBB\xBF" + text);
    std::string semicolons = text;
    for (char& c : semicolons)
        if (c == ',')
            c = ';';
    write(folder, "semicolons.csv", semicolons);
    write(folder, "windows1250.csv",
          channelCsvHeader() + "\r\n1,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,\xAF\xF3\xB3w\r\n");
    write(folder, "short_lines.csv", channelCsvHeader() + "\n7\n 12,Value,3\r\n\r\nabc,x\r");
    write(folder, "bad_line.csv", channelCsvHeader() + "\r\n1x,Active\r\n");
}

void IniSeeds(const fs::path& folder)
{
    // The INI target reads its first byte as a choice: even, a whole file.
    IniFile program;
    ProgramSettings settings;
    settings.midiInput = "VANTOREL Emulator";
    settings.midiOutput = "VANTOREL Emulator";
    settings.lastOpened = "/home/user/shows/club.csv";
    settings.lastSaved = "/home/user/shows/club.csv";
    settings.lastFirmwareFile = "/home/user/firmware/pro.bix";
    settings.lastFirmwareFileDate = "2018-04-24 10:24:00";
    writeProgramSettings(program, settings);
    program.writeInteger(ini::kDebug, ini::kDebugOn, 1);
    write(folder, "program.ini", std::string(1, 0) + program.serialize());
    IniFile positions;
    storeWindowGeometry(positions, "MainWindow", SavedWindowState::Normal, {100, 50, 900, 700});
    storeWindowGeometry(positions, "CalculatorDialog", SavedWindowState::Maximized, {0, 0, 0, 0});
    write(folder, "positions.ini", std::string(1, 0) + positions.serialize());
    write(folder, "odd.ini",
          std::string(1, 0)
              + "\xEF\xBB\xBF; comment\n[ports]\n midiinput = \"x\" "
                "\r[Colors]\rCCLine=$FF\r\nNOLine=0x80ff80\n[FormsSizes]\nTDmxUserMainForm.Xpos=-"
                "99999\nTDmxUserMainForm.Height=999999\n");
    write(folder, "integers", std::string("\x01") + "-0x7FFFFFFF" + std::string(4, 0));
}

void FirmwareSeeds(const fs::path& folder, const fs::path& data)
{
    for (const char* name : {"basic_tail", "pro_tail"}) {
        write(folder, std::string(name) + ".bix",
              std::string(1, '\0') + Read(data / "firmware" / (std::string(name) + ".bix")));
        write(folder, std::string(name) + ".bin",
              std::string(1, '\1') + Read(data / "firmware" / (std::string(name) + ".bin")));
    }
    const FirmwareImage image = makeTestFirmwareImage(300, 'E', "04-24-2018 10:24");
    write(folder, "round_trip", std::string(1, '\2') + std::string(image.begin(), image.end()));
}

void TextSeeds(const fs::path& folder)
{
    write(folder, "ascii_hex", std::string(5, '\0') + "3030303134313641");
    write(folder, "triplets", std::string("\1\0\0\0\0", 5) + "127000159000");
    write(folder, "integer", std::string("\2\0\0\0\0", 5) + "  -512");
    write(folder, "polish", std::string("\3\0\0\0\0", 5) + "za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\x61 ja\x9F\xF1");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <corpus folder> <tests/data folder>\n", argv[0]);
        return 2;
    }
    const fs::path corpus = argv[1];
    DispatcherSeeds(corpus / "fuzz_reply_dispatcher");
    CsvSeeds(corpus / "fuzz_channel_csv");
    IniSeeds(corpus / "fuzz_ini");
    FirmwareSeeds(corpus / "fuzz_firmware_file", argv[2]);
    TextSeeds(corpus / "fuzz_text_conversions");
    return 0;
}
