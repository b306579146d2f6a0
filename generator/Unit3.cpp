#include "generator/Unit3.h"

#include "flatctrls/TFlatButton.h"
#include "framework/Label.h"
#include "labels/TProUrlImage.h"
#include "labels/TProUrlLabel.h"

TForm3::TForm3(ui::TComponent* owner) : ui::TForm(owner) {
  Publish("FlatButton1Click", &TForm3::FlatButton1Click);
}

void TForm3::Loaded() {
  ui::TForm::Loaded();
  Bind(Label1, "Label1");
  Bind(ProUrlLabel1, "ProUrlLabel1");
  Bind(ProUrlImage1, "ProUrlImage1");
  Bind(Label2, "Label2");
  Bind(FlatButton1, "FlatButton1");
  FlatButton1->SetCancel(true);  // Esc closes the window as OK does
  SetActiveControl(FlatButton1);  // the links come first in Tab order; the window opens on OK
  ProUrlImage1->SetAccessibleName("Skylatch! icon");  // the picture link says what it shows
  // One version number for the whole product: the build passes the one the version resource and
  // the download's name carry.
  Label1->SetCaption(Label1->Caption() + " " SKYLATCH_VERSION);
}

void TForm3::FlatButton1Click(ui::TObject*) {
  Close();
}

