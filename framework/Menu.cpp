#include "framework/Menu.h"

#include <algorithm>

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
#include "system/WideText.h"

namespace ui {

namespace {
UINT nextCommand = 100;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(nextCommand++) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : items_) item->parentItem_ = nullptr;
  if (parentItem_) {
    auto& siblings = parentItem_->items_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void TMenuItem::Add(TMenuItem* item) {
  item->parentItem_ = this;
  items_.push_back(item);
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (command == command_) return this;
  for (TMenuItem* item : items_)
    if (TMenuItem* found = item->Find(command)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(WPARAM key) {
  if (shortCut_.size() == 6 && shortCut_.starts_with("Ctrl+") && static_cast<WPARAM>(shortCut_[5]) == key) return this;
  for (TMenuItem* item : items_)
    if (TMenuItem* found = item->FindShortCut(key)) return found;
  return nullptr;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMainMenu*>(parent)) menu->Items().Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (menu_) EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) return;
  menu_ = menu;
  UINT flags = MF_STRING | (enabled_ ? MF_ENABLED : MF_GRAYED);
  if (caption_ == "-") {
    AppendMenuW(menu, MF_SEPARATOR, command_, nullptr);
    return;
  }
  if (items_.empty()) {
    const std::string text = shortCut_.empty() ? caption_ : caption_ + "\t" + shortCut_;
    AppendMenuW(menu, flags, command_, WideText::FromUtf8(text).c_str());
    return;
  }
  HMENU popup = CreatePopupMenu();
  for (TMenuItem* item : items_) item->AppendTo(popup);
  AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), WideText::FromUtf8(caption_).c_str());
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(nullptr) {}

TMainMenu::~TMainMenu() {
  // A menu attached to a window is destroyed with the window; only a detached one is freed here.
  if (handle_ && !IsMenu(handle_)) handle_ = nullptr;
}

HMENU TMainMenu::Handle() {
  if (handle_ && IsMenu(handle_)) return handle_;
  handle_ = CreateMenu();
  for (TMenuItem* item : root_.Items()) item->AppendTo(handle_);
  return handle_;
}

bool TMainMenu::DispatchShortCut(WPARAM key) {
  TMenuItem* item = root_.FindShortCut(key);
  for (TMenuItem* up = item; up && up != &root_; up = up->ParentItem())
    if (!up->Enabled() || !up->Visible()) return false;
  if (!item) return false;
  item->Click();
  return true;
}

bool TMainMenu::DispatchCommand(UINT command) {
  TMenuItem* item = root_.Find(command);
  if (!item || item == &root_) return false;
  item->Click();
  return true;
}

const PropertyTable& TMenuItem::Published() const {
  using C = TMenuItem;
  static const PropertyTable table{
#include "framework/MenuItem.props"
  };
  return table;
}

}  // namespace ui
