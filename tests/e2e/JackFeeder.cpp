#include "JackFeeder.h"

#if __has_include(<RtMidi.h>)
#include <RtMidi.h>
#else
#include <rtmidi/RtMidi.h>
#endif

using namespace vantorel;

struct JackFeeder::Port {
    RtMidiOut out{RtMidi::UNIX_JACK, "feeder"};
};

JackFeeder::JackFeeder()
    : m_port(std::make_unique<Port>())
{
    m_port->out.openVirtualPort("out");
}

JackFeeder::~JackFeeder() = default;

void JackFeeder::send(const std::vector<uint8_t>& message)
{
    m_port->out.sendMessage(message.data(), message.size());
}
