#include "core/FileErrorText.h"

#include "core/IoErrorMessage.h"

namespace core {

namespace {

enum class Fault { Other, NotFound, FolderMissing, Denied, InUse, Full, NetworkGone, TooMany };

Fault FaultOf(int code) {
  switch (code) {
    case 2: return Fault::NotFound;
    case 3: return Fault::FolderMissing;
    case 4: return Fault::TooMany;
    case 5: return Fault::Denied;
    case 32:  // sharing violation
    case 33:  // lock violation
      return Fault::InUse;
    case 39:
    case 101:
    case 112:
      return Fault::Full;
    case 51:  // the remote computer is not available
    case 53:  // the network path was not found
    case 59:  // an unexpected network error
    case 64:  // the network name is no longer available
    case 67:  // the network name cannot be found
      return Fault::NetworkGone;
    default: return Fault::Other;
  }
}

}  // namespace

std::string FileErrorText::Reason(int code) {
  const std::string message = IoErrorMessage(code);
  switch (FaultOf(code)) {
    case Fault::InUse: return message + ", the file is in use by another program";
    case Fault::NetworkGone: return message + ", the network drive is no longer there";
    default: return message;
  }
}

std::string FileErrorText::Advice(int code) {
  switch (FaultOf(code)) {
    case Fault::NotFound: return "Check the name, then try again";
    case Fault::FolderMissing: return "Create the folder, then try again";
    case Fault::TooMany: return "Close other programs, then try again";
    case Fault::Denied: return "Choose a folder you may write to, or clear the file's read-only mark, then try again";
    case Fault::InUse: return "Close that program, then try again";
    case Fault::Full: return "Free some space on the drive, then try again";
    case Fault::NetworkGone: return "Connect it again, then try again";
    case Fault::Other: break;
  }
  return "Choose another folder, then try again";
}

std::string FileErrorText::FolderOf(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash));
}

std::string FileErrorText::ForFile(int code, std::string_view file) {
  // A file that was never named (written before it was opened) has nothing more to say.
  if (file.empty()) return IoErrorMessage(code);
  const std::string message = IoErrorMessage(code) + ": ";
  const std::string name(file);
  std::string what;
  switch (FaultOf(code)) {
    case Fault::NotFound: what = name + " is not there"; break;
    case Fault::FolderMissing: what = "the folder " + FolderOf(file) + " is missing, so " + name + " cannot be made"; break;
    case Fault::TooMany: what = name + " cannot be opened now"; break;
    case Fault::Denied: what = name + " may not be written"; break;
    case Fault::InUse: what = name + " is in use by another program"; break;
    case Fault::Full: what = "no room for " + name; break;
    case Fault::NetworkGone: what = "the network drive of " + name + " is no longer there"; break;
    case Fault::Other: what = name + " could not be written"; break;
  }
  return message + what + ". " + Advice(code);
}

}  // namespace core
