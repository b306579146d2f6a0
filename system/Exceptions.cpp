#include "system/Exceptions.h"

#include "core/FileErrorText.h"
#include "core/IoErrorMessage.h"

namespace ui {

EInOutError::EInOutError(int errorCode) : Exception(core::IoErrorMessage(errorCode)), errorCode_(errorCode) {}

EInOutError::EInOutError(int errorCode, const std::string& file)
    : Exception(core::FileErrorText::ForFile(errorCode, file)), errorCode_(errorCode) {}

}  // namespace ui
