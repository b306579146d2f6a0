#pragma once
#include <string>

namespace core {

// The text of the runtime's I/O exception for a failing system error code.
std::string IoErrorMessage(int code);

}  // namespace core
