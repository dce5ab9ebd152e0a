#pragma once

#include "util/Result.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace vantorel {

// A failure of a MIDI port thrown as an exception: what() is the English
// text, error() the Error itself for the Qt layers to translate (errorText()).
class MidiError : public std::runtime_error {
public:
    explicit MidiError(Error error)
        : std::runtime_error(error.text())
        , m_error(std::move(error))
    { }
    explicit MidiError(const std::string& text)
        : MidiError(Error{text})
    { }

    const Error& error() const noexcept { return m_error; }

private:
    Error m_error;
};

class MidiInputError : public MidiError {
public:
    using MidiError::MidiError;
};

class MidiOutputError : public MidiError {
public:
    using MidiError::MidiError;
};

} // namespace vantorel
