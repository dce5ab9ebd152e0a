#pragma once

#include <stdexcept>
#include <string>

class EMidiInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EmidioutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
