#pragma once

#include <stdexcept>
#include <string>

namespace vellorin {

// Raised when a settings text cannot be turned into a usable number, when a rounding
// leaves the 32-bit range, or when a table cannot run to its end.
class SessionError : public std::runtime_error {
public:
    explicit SessionError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace vellorin
