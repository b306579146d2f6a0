#pragma once
#include <string>
#include <string_view>

namespace core {

// What a screen reader hears for a caption: the accelerator marks removed ("&&" stays as one "&").
std::string SpokenCaption(std::string_view caption);

// The name a label gives the control beside it: its caption as spoken, without the closing colon
// and the spaces around it ("URL of PopUp page:" names the box "URL of PopUp page").
std::string NameFromLabel(std::string_view caption);

}  // namespace core
