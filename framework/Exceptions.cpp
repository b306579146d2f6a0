#include "framework/Exceptions.h"

#include "core/IoErrorMessage.h"

namespace ui {

EInOutError::EInOutError(int errorCode) : Exception(core::IoErrorMessage(errorCode)), errorCode_(errorCode) {}

}  // namespace ui
