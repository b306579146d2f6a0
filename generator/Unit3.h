#pragma once
#include "framework/Form.h"

class TFlatButton;
class TProUrlLabel;
class TProUrlImage;
namespace ui {
class TLabel;
}

// The About window: product name and version, a credit line and the links to the product site.
class TForm3 : public ui::TForm {
 public:
  explicit TForm3(ui::TComponent* owner);
  const char* ClassName() const override { return "TForm3"; }

  ui::TLabel* Label1 = nullptr;
  TProUrlLabel* ProUrlLabel1 = nullptr;
  TProUrlImage* ProUrlImage1 = nullptr;
  ui::TLabel* Label2 = nullptr;
  TFlatButton* FlatButton1 = nullptr;

  void FlatButton1Click(ui::TObject* sender);

  void Loaded() override;
};
