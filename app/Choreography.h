#pragma once
#include <string>

namespace ui {
class TForm;
}

namespace app {

// Started as a stand-alone order tool: the first argument is exactly "order".
bool OrderMode();
// The file to open at start-up: the first argument when there is one and it is not "order".
std::wstring FileArgument();

// Opens a secondary window the pseudo-modal way: the main window is disabled first, then the
// other window is shown modeless, so no nested message loop runs.
void OpenSecondary(ui::TForm& window);
// What closing any wizard window does: ends the program in the "order" mode, otherwise gives
// the main window back.
void WizardWindowClosed();
// Enables the main window again.
void ReleaseMainWindow();

}  // namespace app
