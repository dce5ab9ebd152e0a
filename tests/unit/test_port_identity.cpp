#include "midi/domain/PortIdentity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorel;

// Port names as RtMidi lists them on each MIDI system.

TEST(PortIdentityTest, AlsaDeviceReplugged)
{
    // RtMidi's ALSA names: "client name:port name client:port".
    const std::vector<std::string> now{"Midi Through:Midi Through Port-0 14:0", "UM-ONE:UM-ONE MIDI 1 24:0",
                                       "VANTOREL Emulator:out 130:1"};
    const auto alsa = PortNaming::Alsa;
    EXPECT_EQ(findStablePort(now, "UM-ONE:UM-ONE MIDI 1 20:0", alsa), 1);
    EXPECT_EQ(findStablePort(now, "VANTOREL Emulator:out 128:1", alsa), 2);
    EXPECT_EQ(findStablePort(now, "Midi Through:Midi Through Port-0 14:0", alsa), 0);
    EXPECT_EQ(stablePortName("Midi Through:Midi Through Port-0 14:0", alsa), "Midi Through:Midi Through Port-0");
    // Another port of the same client is another device.
    EXPECT_EQ(findStablePort(now, "UM-ONE:UM-ONE MIDI 2 20:1", alsa), -1);
#if !defined(_WIN32) && !defined(__APPLE__)
    // On Linux a name is ALSA's when it ends in a sequencer address.
    EXPECT_EQ(findStablePort(now, "UM-ONE:UM-ONE MIDI 1 20:0"), 1);
    EXPECT_EQ(findStablePort({"emuP:out", "UM-ONE:UM-ONE MIDI 1 24:0"}, "UM-ONE:UM-ONE MIDI 1 20:0"), 1);
#endif
}

TEST(PortIdentityTest, ExactNameWinsOverTheFirstOfTwoAlikeDevices)
{
    const std::vector<std::string> alsa{"UM-ONE:UM-ONE MIDI 1 20:0", "UM-ONE:UM-ONE MIDI 1 24:0"};
    EXPECT_EQ(findStablePort(alsa, "UM-ONE:UM-ONE MIDI 1 24:0", PortNaming::Alsa), 1);
    EXPECT_EQ(findStablePort(alsa, "UM-ONE:UM-ONE MIDI 1 28:0", PortNaming::Alsa), 0);

    const std::vector<std::string> winmm{"UM-ONE 0", "2- UM-ONE 1"};
    EXPECT_EQ(findStablePort(winmm, "2- UM-ONE 1", PortNaming::WinMM), 1);
}

TEST(PortIdentityTest, WindowsDeviceNumbersAndCopyPrefix)
{
    // RtMidi appends the WinMM device number; Windows prefixes "2- " to a
    // second device with the same name.
    const std::vector<std::string> now{"Microsoft GS Wavetable Synth 0", "USB MIDI 1 1", "USB MIDI 2 2", "UM-ONE 3"};
    EXPECT_EQ(findStablePort(now, "UM-ONE 1", PortNaming::WinMM), 3);
    EXPECT_EQ(findStablePort(now, "2- UM-ONE 0", PortNaming::WinMM), 3);
    // Digits that belong to the product name stay.
    EXPECT_EQ(findStablePort(now, "USB MIDI 2 0", PortNaming::WinMM), 2);
    EXPECT_EQ(findStablePort(now, "USB MIDI 3 1", PortNaming::WinMM), -1);
}

TEST(PortIdentityTest, JackGeneratedClientNames)
{
    // JACK numbers a second client of one name "-01"; the ALSA bridge puts
    // the ALSA client number in brackets.
    const std::vector<std::string> now{"system:midi_capture_1", "system:midi_capture_2", "emuP:out",
                                       "a2j:UM-ONE [24] (capture): UM-ONE MIDI 1"};
    EXPECT_EQ(findStablePort(now, "emuP-01:out", PortNaming::Jack), 2);
    EXPECT_EQ(findStablePort(now, "a2j:UM-ONE [20] (capture): UM-ONE MIDI 1", PortNaming::Jack), 3);
    EXPECT_EQ(stablePortName("a2j:UM-ONE [20] (capture): UM-ONE MIDI 1", PortNaming::Jack),
              "a2j:UM-ONE (capture): UM-ONE MIDI 1");
    // Port numbers of the JACK system client are part of the port's name, and
    // so is a trailing number, which WinMM would have appended.
    EXPECT_EQ(findStablePort(now, "system:midi_capture_3", PortNaming::Jack), -1);
    EXPECT_EQ(findStablePort(now, "emuB-01:out", PortNaming::Jack), -1);
    EXPECT_EQ(findStablePort({"a2j:UM-ONE [24] (capture): UM-ONE MIDI 1"}, "a2j:UM-ONE [20] (capture): UM-ONE MIDI 2",
                             PortNaming::Jack),
              -1);
    EXPECT_EQ(stablePortName("emuP-1:out", PortNaming::Jack), "emuP-1:out");
}

TEST(PortIdentityTest, NamesWithoutNumbersStayAsTheyAre)
{
    for (const PortNaming naming : {PortNaming::Alsa, PortNaming::Jack, PortNaming::WinMM, PortNaming::Plain})
        for (const std::string name : {"", "UM-ONE", "5", "1- ", "a:b", "client:7", "x [y]", "Port [12", " 3:4"})
            EXPECT_EQ(stablePortName(name, naming), name) << name << " naming " << int(naming);
    EXPECT_EQ(stablePortName("USB MIDI 2", PortNaming::Plain), "USB MIDI 2");
    EXPECT_EQ(findStablePort({}, "UM-ONE 0"), -1);
}
