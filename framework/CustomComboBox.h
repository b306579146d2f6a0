#pragma once
#include <string>
#include <vector>

#include "framework/WinControl.h"

namespace ui {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The native COMBOBOX, wrapped. Selecting from code fires no OnChange; a pick by the user does.
class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;
  const char* ClassName() const override { return "TCustomComboBox"; }
  bool WantsChars() const override { return true; }
  // An open list takes Enter and Esc to close itself.
  bool WantsKey(WPARAM) const override { return DroppedDown(); }
  void DescribeAccessible(AccessibleInfo& info) const override;
  void DoAccessibleAction() override;

  TComboBoxStyle ComboStyle() const { return style_; }
  void SetComboStyle(TComboBoxStyle value);
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = value; }
  bool DroppedDown() const;
  std::string Text() const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;


 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CNCommand(TMessage& m) override;
  virtual void Change();

  // The inner edit of csDropDown and csSimple, or nullptr.
  HWND EditHandle() const { return editHandle_; }
  // Every message of the inner edit passes through here; the default hands it to the edit.
  virtual void ComboWndProc(TMessage& m, HWND child);

 private:
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 13;
  int dropDownCount_ = 8;
  HWND editHandle_ = nullptr;
  WNDPROC editDefProc_ = nullptr;

  friend LRESULT CALLBACK ComboChildProc(HWND, UINT, WPARAM, LPARAM);
  void ReleaseEdit();
  void AddItemsToWindow();
};

}  // namespace ui
