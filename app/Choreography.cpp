#include "app/Choreography.h"

#include <windows.h>

#include "core/CommandLine.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/WideText.h"

namespace app {

bool OrderMode() {
  std::vector<std::string> arguments = core::SplitCommandLine(GetCommandLineA());
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return core::IsOrderMode(arguments);
}

std::wstring FileArgument() {
  std::vector<std::string> arguments = core::SplitCommandLine(ui::WideText::ToUtf8(GetCommandLineW()));
  if (arguments.size() < 2 || core::IsOrderMode({arguments[1]})) return {};
  return ui::WideText::FromUtf8(arguments[1]);
}

void ReleaseMainWindow() {
  if (ui::TForm* main = ui::Application->MainForm()) main->SetEnabled(true);
}

void OpenSecondary(ui::TForm& window) {
  if (ui::TForm* main = ui::Application->MainForm()) main->SetEnabled(false);
  window.Show();
}

void WizardWindowClosed() {
  if (OrderMode()) {
    ui::Application->Halt(0);
    return;
  }
  ReleaseMainWindow();
}

}  // namespace app
