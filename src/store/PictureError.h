#pragma once

#include <stdexcept>

// A picture that cannot be read, made or stored; the message says why and,
// where a file is involved, names it.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
