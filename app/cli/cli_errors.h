// The two ways a command fails: input it cannot act on (exit status 2, nothing written
// anywhere), and one card that could not be read or written (exit status 1; the other
// cards go on).
#pragma once

#include <stdexcept>
#include <string>

namespace vesko::cli {

class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CardFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vesko::cli
