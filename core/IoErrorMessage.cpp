#include "core/IoErrorMessage.h"

namespace core {

std::string IoErrorMessage(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101:
    case 39:   // Windows: the disk is full
    case 112:  // Windows: not enough space on the disk
      return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

}  // namespace core
