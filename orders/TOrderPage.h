#pragma once
#include "core/OrderPage.h"
#include "framework/Form.h"

class TFlatGroupBox;
class TFlatButton;
namespace ui {
class TLabel;
}

// What the five method pages share: the heading built from the chooser's product, "Next" to the
// order address, "Previous" back to the chooser.
class TOrderPage : public ui::TForm {
 public:
  TOrderPage(ui::TComponent* owner, core::OrderPage page);

  ui::TLabel* Label1 = nullptr;
  TFlatGroupBox* FlatGroupBox1 = nullptr;
  ui::TLabel* info = nullptr;
  TFlatButton* nextbut = nullptr;
  TFlatButton* cancelbut = nullptr;
  TFlatButton* backbut = nullptr;

  virtual void FormShow(ui::TObject* sender);
  void nextbutClick(ui::TObject* sender);
  void backbutClick(ui::TObject* sender);
  void cancelbutClick(ui::TObject* sender);

  void Loaded() override;
  core::OrderPage Page() const { return page_; }

 protected:
  int ChosenProduct() const;

 private:
  core::OrderPage page_;
};
