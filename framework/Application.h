#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace ui {

class TControl;
class TForm;

// The program object: owns the windows, runs the message loop and reports exceptions. Its own
// window, of no size, is the program's taskbar entry: it owns the main window, so the entry reads
// the title while the main window's title bar keeps its own caption.
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
  HWND Handle() const { return handle_; }

  // The taskbar entry appears with the main window. It follows the corner of the shown windows,
  // so that a taskbar of several screens shows it on theirs, and the peek is placed from it.
  void ShowTaskbarEntry();
  void PlaceTaskbarEntry();
  // Minimising any window of the program hides them all and minimises the taskbar entry;
  // restoring the entry shows them again and activates the window the user works in.
  void Minimize();
  void Restore();
  bool Minimized() const { return handle_ && IsIconic(handle_); }
  // The window the user works in: the main window, or the secondary window it waits for.
  TForm* FrontForm() const;
  void ActivateFrontForm();
  // Whether the last key or mouse press the loop saw came from the keyboard: a window opened by
  // the keyboard shows its focus cues from the start.
  bool LastInputKeyboard() const { return lastInputKeyboard_; }

 private:
  friend LRESULT CALLBACK ApplicationWndProc(HWND, UINT, WPARAM, LPARAM);
  bool HandleMessage();
  bool PreTranslate(MSG& msg);
  // The taskbar entry's messages: the entry activated, minimised, restored or closed from the
  // taskbar, and the desktop window manager asking for its thumbnail and peek pictures.
  bool TaskbarMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HideFormsForMinimize();
  void ShowFormsAfterRestore();
  std::vector<HWND> ShownFormWindows() const;

  std::string title_;
  std::vector<TForm*> forms_;
  std::vector<TForm*> hiddenByMinimize_;
  TForm* mainForm_ = nullptr;
  TForm* activeForm_ = nullptr;
  TControl* mouseControl_ = nullptr;
  bool terminated_ = false;
  bool lastInputKeyboard_ = false;
  int exitCode_ = 0;
  HWND handle_ = nullptr;
};

extern TApplication* Application;

}  // namespace ui
