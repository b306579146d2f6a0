#pragma once
#include <windows.h>

#include <vector>

namespace ui {

class TControl;
class TWinControl;

// Answers WM_GETOBJECT for a windowed control: an IAccessible that wraps the system's standard
// object for the window (CreateStdAccessibleObject) and gives what the control describes instead
// (AccessibleInfo), with the windowless controls inside it (labels, links, images) as its simple
// children, numbered from 1 in the order of the control list, and its child windows after them
// as objects of their own (also through IEnumVARIANT, as screen readers walk a tree). oleacc and oleaut32 are loaded at
// the first request, so a run without a screen reader never loads them.
class AccessibleObject {
 public:
  // The result for WM_GETOBJECT with OBJID_CLIENT, or 0 when there is nothing to give (the
  // caller then leaves the message to the default handling).
  static LRESULT Answer(TWinControl& control, WPARAM wParam);

  // The windowless controls screen readers see as children of parent, in child-id order.
  static std::vector<TControl*> SimpleChildren(const TWinControl& parent);
  // The child id of a windowless control inside its parent's object, or 0.
  static long ChildId(const TControl& control);
  // Tells screen readers of a change to a control, windowed or windowless (EVENT_OBJECT_FOCUS,
  // NAMECHANGE, STATECHANGE, VALUECHANGE, DESCRIPTIONCHANGE).
  static void Notify(unsigned long event, const TControl& control);
};

}  // namespace ui
