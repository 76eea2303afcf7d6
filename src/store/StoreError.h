#pragma once

#include <stdexcept>
#include <string>

// An input/output error of a data file; the message names the file.
class StoreIoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
