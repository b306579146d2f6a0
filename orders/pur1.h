#pragma once
#include "framework/Form.h"

class TFlatComboBox;
class TFlatGroupBox;
class TFlatButton;
namespace ui {
class TLabel;
}

// The order wizard's first window: the product, the purchase method and a word about it.
class TMain : public ui::TForm {
 public:
  explicit TMain(ui::TComponent* owner);
  const char* ClassName() const override { return "TMain"; }

  ui::TLabel* Label2 = nullptr;
  ui::TLabel* productlabel = nullptr;
  TFlatComboBox* product = nullptr;
  ui::TLabel* metodolabel = nullptr;
  TFlatComboBox* metodo = nullptr;
  ui::TLabel* Label1 = nullptr;
  TFlatGroupBox* FlatGroupBox1 = nullptr;
  ui::TLabel* info = nullptr;
  TFlatButton* cancelbut = nullptr;
  TFlatButton* backbut = nullptr;
  TFlatButton* nextbut = nullptr;

  void FormCreate(ui::TObject* sender);
  void productChange(ui::TObject* sender);
  void metodoChange(ui::TObject* sender);
  void nextbutClick(ui::TObject* sender);
  void cancelbutClick(ui::TObject* sender);

  void Loaded() override;

 private:
  void ShowMethodInfo(const std::string& text);
};
