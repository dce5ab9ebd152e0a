#include "midi/domain/NoteLabels.h"

namespace vantorel {

namespace {

std::vector<std::string> buildNoteLabels()
{
    static const char* const kPitches[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "H"};
    std::vector<std::string> labels;
    labels.reserve(kNoteCount);
    for (int n = 0; n < kNoteCount; ++n) {
        const int octave = n / 12;
        std::string octaveLabel = octave == 0 ? "-1" : octave == 1 ? "-0" : std::to_string(octave - 1);
        labels.push_back(kPitches[n % 12] + octaveLabel + "/" + std::to_string(n));
    }
    // This entry has always carried six trailing blanks; saved files hold the
    // padded text, so it must stay exactly so.
    labels[12] += "      ";
    return labels;
}

} // namespace

const std::vector<std::string>& noteLabelList()
{
    static const std::vector<std::string> list = buildNoteLabels();
    return list;
}

std::string noteLabel(int number)
{
    if (number < 0 || number >= kNoteCount)
        return {};
    return noteLabelList()[size_t(number)];
}

} // namespace vantorel
