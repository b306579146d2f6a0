#include "orders/TOrderPage.h"

#include <windows.h>

#include "core/OrderAddresses.h"
#include "core/OrderTexts.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "framework/Label.h"
#include "orders/WizardWindows.h"
#include "orders/pur1.h"
#include "system/Platform.h"

TOrderPage::TOrderPage(ui::TComponent* owner, core::OrderPage page) : ui::TForm(owner), page_(page) {
  Publish("FormShow", &TOrderPage::FormShow);
  Publish("nextbutClick", &TOrderPage::nextbutClick);
  Publish("backbutClick", &TOrderPage::backbutClick);
  Publish("cancelbutClick", &TOrderPage::cancelbutClick);
}

void TOrderPage::Loaded() {
  ui::TForm::Loaded();
  Bind(Label1, "Label1");
  Bind(FlatGroupBox1, "FlatGroupBox1");
  Bind(info, "info");
  Bind(nextbut, "nextbut");
  Bind(cancelbut, "cancelbut");
  Bind(backbut, "backbut");
  cancelbut->SetCancel(true);
  // The pages that show the seal say what it is rather than its long address.
  if (auto* seal = dynamic_cast<ui::TControl*>(FindComponent("ProUrlImage1"))) seal->SetAccessibleName("Secure site seal");
}

int TOrderPage::ChosenProduct() const { return Main->product->ItemIndex(); }

// Every visit starts on "Next", so Enter or Space goes on at once.
void TOrderPage::FormShow(ui::TObject*) {
  Label1->SetCaption(core::OrderTexts::Heading(page_, ChosenProduct()));
  SetActiveControl(nextbut);
}

void TOrderPage::nextbutClick(ui::TObject*) {
  ui::Platform::Current().ShellOpen(Handle(), "open", core::OrderAddresses::OrderAddress(page_, ChosenProduct()), "",
                                    "", SW_SHOWNORMAL);
}

void TOrderPage::backbutClick(ui::TObject*) {
  PassPseudoModal(*Main);
}

void TOrderPage::cancelbutClick(ui::TObject*) { Close(); }

