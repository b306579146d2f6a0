#include "orders/pur1.h"

#include "core/OrderTexts.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "framework/Label.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "orders/WizardWindows.h"

TMain::TMain(ui::TComponent* owner) : ui::TForm(owner) {
  Publish("FormCreate", &TMain::FormCreate);
  Publish("productChange", &TMain::productChange);
  Publish("metodoChange", &TMain::metodoChange);
  Publish("nextbutClick", &TMain::nextbutClick);
  Publish("cancelbutClick", &TMain::cancelbutClick);
}

void TMain::Loaded() {
  ui::TForm::Loaded();
  Bind(Label2, "Label2");
  Bind(productlabel, "productlabel");
  Bind(product, "product");
  Bind(metodolabel, "metodolabel");
  Bind(metodo, "metodo");
  Bind(Label1, "Label1");
  Bind(FlatGroupBox1, "FlatGroupBox1");
  Bind(info, "info");
  Bind(cancelbut, "cancelbut");
  Bind(backbut, "backbut");
  Bind(nextbut, "nextbut");
  cancelbut->SetCancel(true);
}

// Selecting from code runs no change handler, so the prompt stays until the user picks.
void TMain::FormCreate(ui::TObject*) {
  product->SetItemIndex(0);
  metodo->SetItemIndex(0);
  ShowMethodInfo(std::string(core::OrderTexts::kMethodPrompt));
}

// The text below the list is what the list's choice means: a screen reader reads it as the
// list's description, and hears it change with the choice.
void TMain::ShowMethodInfo(const std::string& text) {
  info->SetCaption(text);
  metodo->SetAccessibleDescription(text);
}

void TMain::productChange(ui::TObject*) {
  int position = product->ItemIndex();
  if (position < 0 || position > 2) return;
  bool longName = position == 2;
  Label2->SetTop(longName ? 0 : 8);
  Label2->Font().SetSize(longName ? 18 : 28);
  Label2->SetCaption(core::OrderTexts::LongProductName(position));
}

void TMain::metodoChange(ui::TObject*) {
  if (std::optional<std::string> text = core::OrderTexts::MethodInfo(metodo->ItemIndex())) ShowMethodInfo(*text);
}

void TMain::nextbutClick(ui::TObject*) {
  ui::TForm* pages[] = {CCOrders, faxorders, mailorders, Phoneorders, POOrders};
  int position = metodo->ItemIndex();
  if (position >= 0 && position < 5) PassPseudoModal(*pages[position]);
  else Hide();
}

void TMain::cancelbutClick(ui::TObject*) { Close(); }

