#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace ui {

// One entry of a menu bar or of a drop-down menu.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  const char* ClassName() const override { return "TMenuItem"; }
  const PropertyTable& Published() const override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  UINT Command() const { return command_; }
  // "Ctrl+O": shown after the caption and answered by the window's key handling.
  const std::string& ShortCut() const { return shortCut_; }
  // The entry, at any depth, whose shortcut the key with Ctrl held makes; null for none.
  TMenuItem* FindShortCut(WPARAM key);
  TMenuItem* ParentItem() const { return parentItem_; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* item);
  TMenuItem* Find(UINT command);
  void SetParentComponent(TComponent* parent) override;

  virtual void Click();
  TNotifyEvent OnClick;

  // Appends this entry (and its submenu) to a native menu.
  void AppendTo(HMENU menu);

 private:
  std::string caption_;
  std::string shortCut_;
  bool enabled_ = true;
  bool visible_ = true;
  UINT command_;
  TMenuItem* parentItem_ = nullptr;
  std::vector<TMenuItem*> items_;
  HMENU menu_ = nullptr;  // the native menu this entry sits in
};

// The menu bar of a window; its entries are the menu items stored inside it.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  const char* ClassName() const override { return "TMainMenu"; }

  TMenuItem& Items() { return root_; }
  HMENU Handle();
  bool DispatchCommand(UINT command);
  // Runs the enabled entry whose shortcut is Ctrl and key; false when there is none.
  bool DispatchShortCut(WPARAM key);

 private:
  TMenuItem root_;
  HMENU handle_ = nullptr;
};

}  // namespace ui
