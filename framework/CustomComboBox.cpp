#include "framework/CustomComboBox.h"

#include <oleacc.h>

#include "core/EnumNames.h"
#include "framework/AccessibleObject.h"
#include "framework/Application.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

namespace {
const char kComboProperty[] = "SkylatchCombo";
}

LRESULT CALLBACK ComboChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* combo = static_cast<TCustomComboBox*>(GetPropA(window, kComboProperty));
  if (!combo) return DefWindowProcW(window, msg, wParam, lParam);
  WNDPROC original = combo->editDefProc_;
  if (msg == WM_NCDESTROY) {
    combo->ReleaseEdit();
    return CallWindowProcW(original, window, msg, wParam, lParam);
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    combo->ComboWndProc(m, window);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
    m.result = 0;
  }
  return m.result;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() { ReleaseEdit(); }

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, "COMBOBOX");
  p.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csDropDown: p.style |= CBS_DROPDOWN; break;
    case TComboBoxStyle::csSimple: p.style |= CBS_SIMPLE; break;
    case TComboBoxStyle::csDropDownList: p.style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: p.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: p.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  if (style_ != TComboBoxStyle::csSimple) p.height = Height() + itemHeight_ * dropDownCount_ + 2;
}

void TCustomComboBox::CreateWnd() {
  int index = itemIndex_;
  TWinControl::CreateWnd();
  AddItemsToWindow();
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info) && info.hwndItem && info.hwndItem != Handle()) {
    editHandle_ = info.hwndItem;
    SetPropA(editHandle_, kComboProperty, this);
    editDefProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editHandle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboChildProc)));
  }
  // The window was made tall enough for the list; the control itself keeps its own height.
  RECT r{};
  GetWindowRect(Handle(), &r);
  height_ = r.bottom - r.top;
}

void TCustomComboBox::DestroyWnd() {
  ReleaseEdit();
  TWinControl::DestroyWnd();
}

void TCustomComboBox::ReleaseEdit() {
  if (!editHandle_) return;
  SetWindowLongPtrW(editHandle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editDefProc_));
  RemovePropA(editHandle_, kComboProperty);
  editHandle_ = nullptr;
}

void TCustomComboBox::ComboWndProc(TMessage& m, HWND child) {
  m.result = CallWindowProcW(editDefProc_, child, m.msg, m.wParam, m.lParam);
}

void TCustomComboBox::SetComboStyle(TComboBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  itemIndex_ = ItemIndex();
  RecreateWnd();
}

void TCustomComboBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  itemIndex_ = -1;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  AddItemsToWindow();
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
  itemIndex_ = index;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value < 1) return;
  itemHeight_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, value);
}

bool TCustomComboBox::DroppedDown() const {
  return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::AddItemsToWindow() {
  for (const std::string& item : items_)
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText::FromUtf8(item).c_str()));
}

std::string TCustomComboBox::Text() const {
  int index = ItemIndex();
  if (style_ != TComboBoxStyle::csDropDown && style_ != TComboBoxStyle::csSimple)
    return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(index)] : std::string();
  return TWinControl::Text();
}

void TCustomComboBox::Change() {
  AccessibleObject::Notify(EVENT_OBJECT_VALUECHANGE, *this);
  if (OnChange) OnChange(this);
}

void TCustomComboBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.wParam)) {
    case CBN_SELCHANGE: Change(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN:
      if (OnDropDown) OnDropDown(this);
      break;
    default: break;
  }
}

void TCustomComboBox::DescribeAccessible(AccessibleInfo& info) const {
  TWinControl::DescribeAccessible(info);
  info.role = ROLE_SYSTEM_COMBOBOX;
  info.SetValue(Text());
  info.defaultAction = DroppedDown() ? "Close" : "Open";
}

void TCustomComboBox::DoAccessibleAction() {
  if (HandleAllocated()) SendMessageW(Handle(), CB_SHOWDROPDOWN, !DroppedDown(), 0);
}

}  // namespace ui
