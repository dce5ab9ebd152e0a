#pragma once

// A JACK client of the tests' own whose output port "feeder:out" sends what
// a test gives it. Kept apart from the program's headers: RtMidi's classes
// would clash with the program's names.

#include <cstdint>
#include <memory>
#include <vector>

namespace vantorel {

class JackFeeder {
public:
    JackFeeder();
    ~JackFeeder();
    void send(const std::vector<uint8_t>& message);

private:
    struct Port;
    std::unique_ptr<Port> m_port;
};

} // namespace vantorel
