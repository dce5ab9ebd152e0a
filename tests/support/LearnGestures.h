#pragma once

// Gestures a controller plays during MIDI learn, with what each must program.
// Shared by the recorder's unit test and the test over a JACK port.

#include "learn/domain/Gesture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantorel {

struct LearnGesture {
    const char* name;
    std::vector<std::vector<uint8_t>> messages;
    GestureRecorder::Outcome::Status status;
    LearnedMapping mapping; // Learned
    std::string message; // Mixed
};

inline std::vector<LearnGesture> learnGestures()
{
    using Status = GestureRecorder::Outcome::Status;
    std::vector<LearnGesture> gestures;
    gestures.push_back({"single pad",
                        {{0x90, 0x3C, 0x64}, // Note On, channel 1, C4/60, velocity 100
                         {0x80, 0x3C, 0x40}}, // Note Off
                        Status::Learned,
                        {1, false, 60, 60, false},
                        {}});
    LearnGesture sweep{"C3-B3 sweep", {}, Status::Learned, {2, false, 48, 59, false}, {}};
    for (uint8_t note = 0x30; note <= 0x3B; ++note) { // C3/48 .. B3/59 on channel 2
        sweep.messages.push_back({0x91, note, 0x50});
        sweep.messages.push_back({0x81, note, 0x00});
    }
    gestures.push_back(sweep);
    LearnGesture fader{"fader 0..127", {}, Status::Learned, {1, true, 7, 7, true}, {}};
    for (uint8_t value = 0; value <= 0x7F; ++value)
        fader.messages.push_back({0xB0, 0x07, value}); // CC 7 on channel 1
    gestures.push_back(fader);
    gestures.push_back({"button 0/127",
                        {{0xB9, 0x14, 0x7F}, // CC 20 on channel 10, pressed
                         {0xB9, 0x14, 0x00}}, // released
                        Status::Learned,
                        {10, true, 20, 20, false},
                        {}});
    // Releases sent as Note On with velocity 0: were 0 a value, three values
    // would make the data type "Velocity".
    gestures.push_back({"release as Note On velocity 0",
                        {{0x93, 0x40, 0x1E}, // Note On, channel 4, E4/64, velocity 30
                         {0x93, 0x40, 0x00}, // its release
                         {0x93, 0x40, 0x3C}, // again, velocity 60
                         {0x93, 0x40, 0x00}},
                        Status::Learned,
                        {4, false, 64, 64, false},
                        {}});
    gestures.push_back({"pad under MIDI clock and active sensing",
                        {{0xF8}, // timing clock
                         {0xFE}, // active sensing
                         {0xF8},
                         {0x95, 0x24, 0x7F}, // Note On, channel 6, C2/36
                         {0xF8},
                         {0xFA}, // start
                         {0x85, 0x24, 0x00},
                         {0xF8},
                         {0xFE},
                         {0xF8}},
                        Status::Learned,
                        {6, false, 36, 36, false},
                        {}});
    gestures.push_back({"two controls on two channels",
                        {{0xB0, 0x07, 0x10}, // CC 7, channel 1
                         {0xB1, 0x07, 0x10}, // CC 7, channel 2
                         {0xB0, 0x07, 0x20},
                         {0xB1, 0x07, 0x20}},
                        Status::Mixed,
                        {},
                        "The gesture mixes Control Change on MIDI channel 1 and Control Change on MIDI channel 2: "
                        "move one control at a time."});
    gestures.push_back({"silence", {}, Status::Nothing, {}, {}});
    return gestures;
}

} // namespace vantorel
