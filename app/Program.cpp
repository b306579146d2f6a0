#include "app/Program.h"

#include <windows.h>

#include "core/CommandLine.h"
#include "filesource/FileSourceClasses.h"
#include "flatctrls/FlatControlClasses.h"
#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "generator/GeneratorWindows.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "labels/LinkControlClasses.h"
#include "orders/WizardWindows.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "system/WideText.h"

namespace app {

namespace {
// Only the first argument counts: exactly "order" is the order start, anything else may name a
// file. The order switch is compared as the program got it, the file name kept whole in Unicode.
TForm1::StartRequest ReadCommandLine() {
  TForm1::StartRequest request;
  std::vector<std::string> arguments = core::SplitCommandLine(GetCommandLineA());
  if (!arguments.empty()) arguments.erase(arguments.begin());
  request.order = core::IsOrderMode(arguments);
  std::vector<std::string> wide = core::SplitCommandLine(ui::WideText::ToUtf8(GetCommandLineW()));
  if (!request.order && wide.size() >= 2 && !core::IsOrderMode({wide[1]}))
    request.file = ui::WideText::FromUtf8(wide[1]);
  return request;
}
}  // namespace

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
  Form1->SetStartRequest(ReadCommandLine());
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
