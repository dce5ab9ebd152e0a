#include "midi/MidiBackend.h"
#include "util/Translate.h"

namespace vantorel {

namespace {

// The context the texts below are marked with.
constexpr const char* kContext = "vantorel::MidiPorts";

// Finds the backend that owns the global port `index` in the concatenated
// list and turns the index into one local to that backend.
template <typename ListPorts>
MidiBackend* owningBackend(const std::vector<std::shared_ptr<MidiBackend>>& backends, int& index, ListPorts listPorts)
{
    if (index < 0)
        return nullptr;
    for (const auto& backend : backends) {
        const int count = static_cast<int>(listPorts(*backend).size());
        if (index < count)
            return backend.get();
        index -= count;
    }
    return nullptr;
}

} // namespace

std::string MidiPortDirectory::name() const
{
    std::string names;
    for (const auto& backend : m_backends) {
        if (!names.empty())
            names += ", ";
        names += backend->name();
    }
    return names;
}

std::vector<std::string> MidiPortDirectory::inputPortNames()
{
    std::vector<std::string> names;
    for (const auto& backend : m_backends) {
        std::vector<std::string> more = backend->inputPortNames();
        names.insert(names.end(), more.begin(), more.end());
    }
    return names;
}

std::vector<std::string> MidiPortDirectory::outputPortNames()
{
    std::vector<std::string> names;
    for (const auto& backend : m_backends) {
        std::vector<std::string> more = backend->outputPortNames();
        names.insert(names.end(), more.begin(), more.end());
    }
    return names;
}

Result<std::unique_ptr<MidiBackendInput>> MidiPortDirectory::openInput(int index, MidiReceiveCallback callback)
{
    const int requested = index;
    MidiBackend* backend = owningBackend(m_backends, index, [](MidiBackend& b) { return b.inputPortNames(); });
    if (!backend)
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI input port %1."),
                           std::to_string(requested));
    return backend->openInput(index, std::move(callback));
}

Result<std::unique_ptr<MidiBackendOutput>> MidiPortDirectory::openOutput(int index)
{
    const int requested = index;
    MidiBackend* backend = owningBackend(m_backends, index, [](MidiBackend& b) { return b.outputPortNames(); });
    if (!backend)
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI output port %1."),
                           std::to_string(requested));
    return backend->openOutput(index);
}

} // namespace vantorel
