#pragma once

namespace ui {
class TApplication;
}

namespace app {

// Every class a window definition may name, and the hand cursors; before any window exists.
void RegisterClasses();
// The windows, in their fixed order, into their program-wide references.
void CreateForms(ui::TApplication& application);
// Start-up, the message loop and the end; returns the exit code.
int RunProgram();

}  // namespace app
