#pragma once
#include <stdexcept>
#include <string>

namespace core {

// Raised when stored data ends early or does not hold what its framing says.
class StreamError : public std::runtime_error {
 public:
  explicit StreamError(const std::string& message = "Stream read error") : std::runtime_error(message) {}
};

}  // namespace core
