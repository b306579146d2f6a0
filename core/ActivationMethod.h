#pragma once
#include <string_view>

namespace core {

// The items of the generator's "Activation method:" box, in their order there.
enum class ActivationMethod { OnPageLoad, OnPageUnload, OnMouseOver, OnMouseOut, FromLink };

// The item for a box index; anything out of range (no selection) counts as the first item.
inline ActivationMethod ActivationMethodAt(int index) {
  return index >= 0 && index <= static_cast<int>(ActivationMethod::FromLink) ? static_cast<ActivationMethod>(index)
                                                                              : ActivationMethod::OnPageLoad;
}

// The caption the box shows for the method.
inline std::string_view ActivationMethodCaption(ActivationMethod method) {
  switch (method) {
    case ActivationMethod::OnPageLoad: return "On Page Load";
    case ActivationMethod::OnPageUnload: return "On Page Unload";
    case ActivationMethod::OnMouseOver: return "OnMouseOver";
    case ActivationMethod::OnMouseOut: return "OnMouseOut";
    case ActivationMethod::FromLink: return "From link";
  }
  return "On Page Load";
}

}  // namespace core
