#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/TaskbarEntry.h"

namespace ui {

class TControl;
class TForm;

// The program object: owns the windows and the taskbar entry, runs the message loop and reports
// exceptions.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  const char* ClassName() const override { return "TApplication"; }

  // The caption of the taskbar entry and of the error boxes.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Creates a window of class Form into reference, loading its stored definition; the first
  // window created becomes the main window.
  template <typename Form>
  void CreateForm(Form*& reference) {
    Form* form = new Form(this);
    reference = form;
    forms_.push_back(form);
    if (!mainForm_) mainForm_ = form;
    form->LoadFromDefinition();
  }
  TForm* MainForm() const { return mainForm_; }
  const std::vector<TForm*>& Forms() const { return forms_; }

  // Shows the main window and handles messages until the program ends; then frees every window.
  // Returns the exit code.
  int Run();
  // Handles every waiting message, then the idle step; for tests and busy loops.
  void ProcessMessages();
  void Terminate();
  // Ends the program at once with the exit code: the loop stops before the next message.
  void Halt(int exitCode);
  bool Terminated() const { return terminated_; }
  // Lets the loop run again after it ended (a test that ended it, a program that restarts it).
  void ClearTerminated() { terminated_ = false; exitCode_ = 0; }
  int ExitCode() const { return exitCode_; }

  // The default error box: application title as caption, a stop icon, OK, and the message
  // followed by a full stop. OnException, when set, is called instead.
  void HandleException(const std::exception& e);
  static std::string ErrorBoxText(const std::exception& e);
  std::function<void(const std::exception&)> OnException;

  // Sends mouse-leave and mouse-enter when the control under the cursor has changed.
  void Idle();
  void DestroyForms();

  // Window bookkeeping used by the forms.
  bool FormActivated(TForm* form);  // true when another of the program's windows was active before
  void ActivateMainFormIfUsable();
  void FormDestroyed(TForm* form);
  void ControlDestroyed(TControl* control);
  // The taskbar entry's window, which owns the program's windows.
  HWND Handle() const { return taskbar_.Handle(); }
  TaskbarEntry& Taskbar() { return taskbar_; }
  // The window the user works in: the main window, or the secondary window it waits for.
  TForm* FrontForm() const;
  void ActivateFrontForm();
  // Whether the last key or mouse press the loop saw came from the keyboard: a window opened by
  // the keyboard shows its focus cues from the start.
  bool LastInputKeyboard() const { return lastInputKeyboard_; }

 private:
  bool HandleMessage();
  bool PreTranslate(MSG& msg);

  std::string title_;
  std::vector<TForm*> forms_;
  TForm* mainForm_ = nullptr;
  TForm* activeForm_ = nullptr;
  TControl* mouseControl_ = nullptr;
  bool terminated_ = false;
  bool lastInputKeyboard_ = false;
  int exitCode_ = 0;
  TaskbarEntry taskbar_;
};

extern TApplication* Application;

}  // namespace ui
