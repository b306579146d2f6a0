#include "app/Program.h"

#include "app/WindowReferences.h"
#include "filesource/FileSourceClasses.h"
#include "flatctrls/FlatControlClasses.h"
#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "labels/LinkControlClasses.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"

namespace app {

void RegisterClasses() {
  ui::RegisterFrameworkClasses();
  RegisterFlatControls();
  RegisterLinkControls();
  RegisterFileSource();
}

void CreateForms(ui::TApplication& application) {
  application.CreateForm(Form1);
  application.CreateForm(Form3);
  application.CreateForm(Main);
  application.CreateForm(CCOrders);
  application.CreateForm(faxorders);
  application.CreateForm(mailorders);
  application.CreateForm(Phoneorders);
  application.CreateForm(POOrders);
  application.CreateForm(Form4);
}

int RunProgram() {
  RegisterClasses();
  ui::TApplication application;
  application.SetTitle("Skylatch!");
  try {
    CreateForms(application);
  } catch (const std::exception& e) {
    // A window that cannot be loaded ends start-up with the error report.
    application.HandleException(e);
    application.DestroyForms();
    return 1;
  }
  return application.Run();
}

}  // namespace app
