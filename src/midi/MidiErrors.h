#pragma once

#include <stdexcept>
#include <string>

namespace vantorel {

class MidiInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MidiOutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vantorel
