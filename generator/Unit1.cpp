#include "generator/Unit1.h"

#include <windows.h>
#include <dlgs.h>
#include <shellapi.h>
#include <cctype>
#include <optional>

#include "core/FieldLimits.h"
#include "core/FileErrorText.h"
#include "core/IoErrorMessage.h"
#include "core/PopupFileReader.h"
#include "core/PreviewPage.h"
#include "core/ProductSite.h"
#include "core/ProgramFolder.h"
#include "core/SaveFileName.h"
#include "core/SpinValue.h"
#include "core/WebEscape.h"
#include "core/Windows1252.h"
#include "core/WindowsFileName.h"
#include "filesource/TFileSource.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/Menu.h"
#include "generator/GeneratorWindows.h"
#include "generator/InstalledBrowsers.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/WizardWindows.h"
#include "orders/pur1.h"
#include "system/Exceptions.h"
#include "system/Platform.h"
#include "system/SafeFileWriter.h"
#include "system/TextFile.h"
#include "system/WideText.h"

namespace {

// The whole file, or nothing when it cannot be read (the last error says why).
std::optional<std::string> ReadWhole(ui::Platform& platform, const std::string& path) {
  HANDLE file = platform.CreateFileAt(ui::WideText::FromUtf8(path), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING, 0);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  DWORD got = 0;
  bool read = true;
  while ((read = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
  const DWORD error = GetLastError();
  platform.CloseFile(file);
  SetLastError(error);
  if (!read) return std::nullopt;
  return bytes;
}

// "Could not place preview.htm in C:\windows\temp: Disk full." and what to do.
[[noreturn]] void CouldNotPlace(const std::string& destination, const std::string& reason) {
  std::string folder = core::FileErrorText::FolderOf(destination);
  if (!folder.empty()) folder[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
  throw ui::Exception("Could not place " + std::string(core::WindowsFileName::LastPart(destination)) + " in " + folder +
                      ": " + reason);
}

std::string Reasoned(DWORD code) {
  return core::FileErrorText::Reason(static_cast<int>(code)) + ". " + core::FileErrorText::Advice(static_cast<int>(code));
}

// Places a companion file so that it is whole and holds the bytes the program carries: one that
// is there with other bytes (empty, cut short by a full disk, written by someone else) is
// replaced, one that matches is left alone. The copy goes under a name of this process in the
// same folder and is renamed into place, so a copy that fails part-way leaves the old file.
void PlaceCompanion(ui::Platform& platform, TFileSource& store, const std::string& destination) {
  const std::string source = store.ProvideFile();
  // A file named from outside that has vanished: an earlier copy, if any, stays in use.
  if (source.empty() && GetFileAttributesW(ui::WideText::FromUtf8(destination).c_str()) != INVALID_FILE_ATTRIBUTES) return;
  if (source.empty()) CouldNotPlace(destination, "the program's own copy of it is gone. Start Skylatch! again, then try again");
  const std::optional<std::string> carried = ReadWhole(platform, source);
  if (!carried) CouldNotPlace(destination, Reasoned(GetLastError()));
  const std::optional<std::string> present = ReadWhole(platform, destination);
  if (present && *present == *carried) return;
  const std::string partial = destination + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  const std::wstring widePartial = ui::WideText::FromUtf8(partial);
  platform.RemoveFile(widePartial);  // left by an earlier process of the same id that was killed
  bool placed = platform.CopyFile(source, partial, true);
  if (placed) placed = platform.MoveFileTo(widePartial, ui::WideText::FromUtf8(destination), MOVEFILE_REPLACE_EXISTING);
  if (placed) return;
  const DWORD error = GetLastError();
  platform.RemoveFile(widePartial);
  CouldNotPlace(destination, Reasoned(error));
}

// A shell that finds no program for the page would otherwise leave Preview looking done.
void OpenInBrowser(HWND owner, const std::string& page) {
  const auto result =
      reinterpret_cast<INT_PTR>(ui::Platform::Current().ShellOpen(owner, "open", page, "", "", SW_SHOWNORMAL));
  if (result > 32) return;
  if (result == SE_ERR_NOASSOC) throw ui::Exception("No program opens .htm files on this computer");
  throw ui::Exception("The browser did not open " + page + " (shell error " + std::to_string(result) +
                      "). Check the program that opens .htm files, then try again");
}

}  // namespace

TForm1::TForm1(ui::TComponent* owner) : ui::TForm(owner) {
  Publish("FlatButton2Click", &TForm1::FlatButton2Click);
  Publish("FlatCheckBox1Click", &TForm1::FlatCheckBox1Click);
  Publish("Salir1Click", &TForm1::Salir1Click);
  Publish("Guardar1Click", &TForm1::Guardar1Click);
  Publish("Open1Click", &TForm1::Open1Click);
  Publish("Vistaprevia1Click", &TForm1::Vistaprevia1Click);
  Publish("AcercadeSkylatch1Click", &TForm1::AcercadeSkylatch1Click);
  Publish("Contenidos1Click", &TForm1::Contenidos1Click);
  Publish("Soporteonline1Click", &TForm1::Soporteonline1Click);
  Publish("DetallesdeLicencia1Click", &TForm1::DetallesdeLicencia1Click);
  Publish("Registrar1Click", &TForm1::Registrar1Click);
  Publish("FlatButton1Click", &TForm1::FlatButton1Click);
  Publish("FormActivate", &TForm1::FormActivate);
  Publish("FlatButton3Click", &TForm1::FlatButton3Click);
}

void TForm1::Loaded() {
  ui::TForm::Loaded();
  Bind(FlatGroupBox1, "FlatGroupBox1");
  Bind(Label1, "Label1");
  Bind(FlatEdit1, "FlatEdit1");
  Bind(Label2, "Label2");
  Bind(FlatEdit2, "FlatEdit2");
  Bind(FlatGroupBox2, "FlatGroupBox2");
  Bind(Label3, "Label3");
  Bind(Label4, "Label4");
  Bind(alto, "alto");
  Bind(ancho, "ancho");
  Bind(Label5, "Label5");
  Bind(Label6, "Label6");
  Bind(top, "top");
  Bind(left, "left");
  Bind(FlatCheckBox1, "FlatCheckBox1");
  Bind(Url, "Url");
  Bind(FlatButton1, "FlatButton1");
  Bind(FlatButton2, "FlatButton2");
  Bind(MainMenu1, "MainMenu1");
  Bind(Archivo1, "Archivo1");
  Bind(Ayuda1, "Ayuda1");
  Bind(Salir1, "Salir1");
  Bind(Open1, "Open1");
  Bind(Guardar1, "Guardar1");
  Bind(Vistaprevia1, "Vistaprevia1");
  Bind(Vistapreviaen1, "Vistapreviaen1");
  Bind(Generarcodigo1, "Generarcodigo1");
  Bind(Contenidos1, "Contenidos1");
  Bind(Soporteonline1, "Soporteonline1");
  Bind(AcercadeSkylatch1, "AcercadeSkylatch1");
  Bind(DetallesdeLicencia1, "DetallesdeLicencia1");
  Bind(Registrar1, "Registrar1");
  Bind(Label8, "Label8");
  Bind(FlatButton3, "FlatButton3");
  Bind(enscript, "enscript");
  Bind(enpreview, "enpreview");
  Bind(FlatGroupBox3, "FlatGroupBox3");
  Bind(Label9, "Label9");
  Bind(location, "location");
  Bind(resizable, "resizable");
  Bind(scrollbars, "scrollbars");
  Bind(status, "status");
  Bind(directories, "directories");
  Bind(menubar, "menubar");
  Bind(toolbar, "toolbar");
  Bind(event, "event");
  FlatEdit1->SetMaxLength(core::FieldLimits::kFunctionName);
  FlatEdit2->SetMaxLength(core::FieldLimits::kWindowName);
  Url->SetMaxLength(core::FieldLimits::kAddress);
  AddBrowserItems();
}

void TForm1::AddBrowserItems() {
  browsers_ = InstalledBrowsers::Read();
  auto add = [this](const std::string& caption, ui::TNotifyEvent click) {
    auto* item = new ui::TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    Vistapreviaen1->Add(item);
    return item;
  };
  if (browsers_.empty()) {
    add("No browsers found", nullptr)->SetEnabled(false);
    return;
  }
  // A lone "&" in a browser's name would underline the next letter.
  for (const core::BrowserList::Browser& browser : browsers_) {
    std::string caption;
    for (char c : browser.name) caption += c == '&' ? "&&" : std::string(1, c);
    add(caption, [this, browser](ui::TObject*) { PreviewIn({browser}); });
  }
  add("-", nullptr);
  add("Every browser", [this](ui::TObject*) { PreviewIn(browsers_); });
}

core::PopupSettings TForm1::PopupSettings() const {
  core::PopupSettings s;
  s.functionName = FlatEdit1->Text();
  s.windowName = FlatEdit2->Text();
  // Only whole numbers reach the script: the text as typed when it is one, else the value the
  // field reads.
  const auto number = [](const TFlatSpinEditInteger* field) {
    return core::SpinValue::WrittenText(field->Text(), field->MinValue());
  };
  s.widthText = number(alto);
  s.heightText = number(ancho);
  s.leftText = number(left);
  s.topText = number(top);
  s.fullScreen = FlatCheckBox1->Checked();
  s.toolbar = toolbar->Checked();
  s.status = status->Checked();
  s.menubar = menubar->Checked();
  s.location = location->Checked();
  s.directories = directories->Checked();
  s.resizable = resizable->Checked();
  s.scrollbars = scrollbars->Checked();
  return s;
}

// Preview's files are Windows-1252: a character the code page lacks is "?" in a name and
// percent-encoded UTF-8 in the address.
void TForm1::WritePreviewFiles() {
  const core::PopupSettings settings = core::PopupScript::InWindows1252(PopupSettings());
  const std::string address = core::Windows1252::FromUtf8(core::WebEscape::Address(Url->Text()));
  ui::TextFile script;
  ui::TextFile page;
  script.Assign(kScriptFile);
  page.Assign(kPageFile);
  // Both files exist, empty, before anything is written; the first failure ends Preview.
  page.Rewrite();
  script.Rewrite();
  core::PopupScript::WriteTo(script, settings);
  script.Close();
  core::PreviewPage::WriteTo(page, settings.functionName, address);
  page.Close();
  ui::Platform& platform = ui::Platform::Current();
  PlaceCompanion(platform, *enscript, kCompanionScript);
  PlaceCompanion(platform, *enpreview, kPreviewPage);
}

void TForm1::Preview() {
  WritePreviewFiles();
  OpenInBrowser(Handle(), kPreviewPage);
}

void TForm1::PreviewIn(const std::vector<core::BrowserList::Browser>& browsers) {
  WritePreviewFiles();
  std::string failures;
  for (const core::BrowserList::Browser& browser : browsers) {
    const std::string program = core::BrowserList::Program(browser.openCommand);
    const std::wstring wide = ui::WideText::FromUtf8(program);
    wchar_t found[MAX_PATH];
    std::string problem;
    if (program.empty() || !SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH, found, nullptr))
      problem = program.empty() ? "no program is registered for it" : "its program " + program + " is missing";
    else if (DWORD error = ui::Platform::Current().StartProcess(
                 core::BrowserList::CommandLine(browser.openCommand, kPreviewPage)))
      problem = program + " did not start (error " + std::to_string(error) + ")";
    if (!problem.empty()) failures += (failures.empty() ? "" : "; ") + ("\"" + browser.name + "\": " + problem);
  }
  if (!failures.empty())
    throw ui::Exception("The preview did not open in " + failures);
}

void TForm1::ShellOpen(const std::string& file) {
  ui::Platform::Current().ShellOpen(Handle(), "open", file, "", "", SW_SHOWNORMAL);
}

void TForm1::OpenBesideProgram(const char* fileName) {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  ShellOpen(core::ProgramFolder(path) + fileName);
}

void TForm1::FlatButton2Click(ui::TObject*) { Preview(); }

void TForm1::Vistaprevia1Click(ui::TObject*) { Preview(); }

// The check box calls this once more with the old state before a mouse click changes it, so
// the state is read each time and the last call decides.
void TForm1::FlatCheckBox1Click(ui::TObject*) {
  bool enabled = !FlatCheckBox1->Checked();
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           ancho, alto, top, left, status, location, toolbar, resizable, directories, menubar, scrollbars})
    control->SetEnabled(enabled);
}

void TForm1::Salir1Click(ui::TObject*) { ui::Application->Halt(0); }

// The snippet loads the script by the name it was last saved under for this function name.
core::GeneratedCode TForm1::CurrentCode() const {
  const core::PopupSettings settings = PopupSettings();
  const std::string scriptFile = settings.functionName == savedScript_.functionName ? savedScript_.fileName : "";
  return core::GeneratedCode(settings, core::ActivationMethodAt(event->ItemIndex()), Url->Text(), scriptFile);
}

// The settings are taken before the dialog opens: nothing typed later counts.
void TForm1::Guardar1Click(ui::TObject*) {
  const core::GeneratedCode code = CurrentCode();
  std::wstring path;
  int fileType = saveType_;
  const std::string suggested = saveType_ == 2 ? core::SaveFileName::WithTypeExtension(code.ScriptFile(), 2)
                                               : code.ScriptFile();
  if (!AskSavePath(suggested, path, fileType)) return;
  saveType_ = fileType;
  const std::string utf8Path = ui::WideText::ToUtf8(path);
  // Refused before anything is opened: a device, a name Windows would cut, a path too long.
  const std::string problem = core::WindowsFileName::Problem(utf8Path, ui::SafeFileWriter::MaxTargetLength());
  if (!problem.empty()) throw ui::Exception(problem);
  const bool page = core::SaveFileName::KindOf(utf8Path, fileType) == core::SaveFileName::Kind::Page;
  ui::SafeFileWriter::Write(path, page ? code.Page() : code.Script());
  if (!page) {
    const auto slash = utf8Path.find_last_of("\\/");
    savedScript_ = {PopupSettings().functionName, slash == std::string::npos ? utf8Path : utf8Path.substr(slash + 1)};
  }
}

namespace {

// Keeps the name's extension in step with the file type picked in the Save As dialog.
UINT_PTR CALLBACK SaveAsHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const auto* notice = reinterpret_cast<const OFNOTIFYW*>(lParam);
  if (notice->hdr.code != CDN_TYPECHANGE) return 0;
  HWND dialog = GetParent(hook);
  const int type = static_cast<int>(notice->lpOFN->nFilterIndex);
  std::wstring name(MAX_PATH + 1, L'\0');
  const LRESULT length = SendMessageW(dialog, CDM_GETSPEC, name.size(), reinterpret_cast<LPARAM>(name.data()));
  name.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
  const std::wstring renamed =
      ui::WideText::FromUtf8(core::SaveFileName::WithTypeExtension(ui::WideText::ToUtf8(name.c_str()), type));
  for (int control : {edt1, cmb13})
    SendMessageW(dialog, CDM_SETCONTROLTEXT, control, reinterpret_cast<LPARAM>(renamed.c_str()));
  SendMessageW(dialog, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(type == 2 ? L"htm" : L"js"));
  return 0;
}

}  // namespace

bool TForm1::AskSavePath(const std::string& suggestedName, std::wstring& path, int& fileType) {
  static const wchar_t kFilter[] = L"JavaScript file (*.js)\0*.js\0Web page with the script (*.htm)\0*.htm\0";
  std::wstring buffer = ui::WideText::FromUtf8(suggestedName);
  buffer.resize(32768, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = Handle();
  request.lpstrFilter = kFilter;
  request.nFilterIndex = static_cast<DWORD>(fileType);
  request.lpstrFile = buffer.data();
  request.nMaxFile = static_cast<DWORD>(buffer.size());
  request.lpstrInitialDir = saveFolder_.empty() ? nullptr : saveFolder_.c_str();
  request.lpstrDefExt = fileType == 2 ? L"htm" : L"js";
  request.lpfnHook = &SaveAsHook;
  request.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                  OFN_ENABLEHOOK | OFN_ENABLESIZING;
  if (!ui::Platform::Current().SaveAsDialog(request)) return false;
  path.assign(buffer.c_str());
  fileType = static_cast<int>(request.nFilterIndex);
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) saveFolder_ = path.substr(0, slash + 1);
  // A name typed without extension gets the one of the chosen type.
  const auto dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) path += fileType == 2 ? L".htm" : L".js";
  return true;
}

void TForm1::FlatButton1Click(ui::TObject*) {
  core::GeneratedCode code = CurrentCode();
  if (furtherCalls_ > 0) code.AddAdvice(core::PopupFileReader::FurtherCallsAdvice(furtherCalls_));
  furtherCalls_ = 0;
  Form4->ShowCode(code);
}

void TForm1::Open1Click(ui::TObject*) {
  static const wchar_t kFilter[] = L"Pop-up script or page (*.js;*.htm;*.html)\0*.js;*.htm;*.html\0All files\0*.*\0";
  std::wstring buffer(32768, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = Handle();
  request.lpstrFilter = kFilter;
  request.nFilterIndex = 1;
  request.lpstrFile = buffer.data();
  request.nMaxFile = static_cast<DWORD>(buffer.size());
  request.lpstrInitialDir = openFolder_.empty() ? nullptr : openFolder_.c_str();
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                  OFN_ENABLESIZING;
  if (!ui::Platform::Current().OpenDialog(request)) return;
  const std::wstring path(buffer.c_str());
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) openFolder_ = path.substr(0, slash + 1);
  OpenFile(path);
}

namespace {

std::string ReadWholeFile(const std::wstring& path, const std::string& named) {
  const auto failed = [&](DWORD code) {
    // Another program holding the file without sharing it is, to the user, access denied.
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION) code = ERROR_ACCESS_DENIED;
    return ui::Exception(named + " could not be read: " + core::IoErrorMessage(static_cast<int>(code)));
  };
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw failed(GetLastError());
  const std::unique_ptr<void, decltype(&CloseHandle)> closer(file, &CloseHandle);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) throw failed(GetLastError());
  if (size.QuadPart > static_cast<LONGLONG>(core::PopupFileReader::kMaxBytes))
    throw ui::Exception(named + " is larger than 16 MB");
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    throw failed(GetLastError());
  bytes.resize(read);
  return bytes;
}

}  // namespace

// Everything is read and checked before the first control changes.
void TForm1::OpenFile(const std::wstring& path) {
  const std::string named = "The file " + ui::WideText::ToUtf8(path);
  const std::string bytes = ReadWholeFile(path, named);
  core::PopupFileReader::Result opened;
  try {
    opened = core::PopupFileReader::Read(bytes);
  } catch (const core::PopupFileReader::Unreadable& e) {
    throw ui::Exception(named + " " + e.what());
  }
  core::PopupFileReader::Limits limits;
  limits.functionName = static_cast<std::size_t>(std::max(0, FlatEdit1->MaxLength()));
  limits.windowName = static_cast<std::size_t>(std::max(0, FlatEdit2->MaxLength()));
  limits.address = static_cast<std::size_t>(std::max(0, Url->MaxLength()));
  limits.number = static_cast<std::size_t>(std::max(0, alto->MaxLength()));
  const std::vector<std::string> problems = core::PopupFileReader::Problems(opened, limits);
  if (!problems.empty()) {
    std::string message = named + " holds values the window cannot show as they are, so nothing was changed: ";
    for (std::size_t i = 0; i < problems.size(); ++i) message += (i ? "; " : "") + problems[i];
    throw ui::Exception(message);
  }
  const core::PopupSettings& s = opened.settings;
  FlatEdit1->SetText(s.functionName);
  FlatEdit2->SetText(s.windowName);
  alto->SetText(s.widthText);
  ancho->SetText(s.heightText);
  left->SetText(s.leftText);
  top->SetText(s.topText);
  FlatCheckBox1->SetChecked(s.fullScreen);
  const std::pair<TFlatCheckBox*, bool> bars[] = {{toolbar, s.toolbar},         {status, s.status},
                                                  {menubar, s.menubar},         {location, s.location},
                                                  {directories, s.directories}, {resizable, s.resizable},
                                                  {scrollbars, s.scrollbars}};
  for (const auto& [box, on] : bars) box->SetChecked(on);
  if (opened.method) event->SetItemIndex(static_cast<int>(*opened.method));
  if (opened.address) Url->SetText(*opened.address);
  if (opened.savedScript) {
    const std::string utf8Path = ui::WideText::ToUtf8(path);
    const auto slash = utf8Path.find_last_of("\\/");
    savedScript_ = {s.functionName, slash == std::string::npos ? utf8Path : utf8Path.substr(slash + 1)};
  }
  furtherCalls_ = opened.furtherCalls;
}

void TForm1::CreateParams(ui::TCreateParams& params) {
  ui::TForm::CreateParams(params);
  params.exStyle |= WS_EX_ACCEPTFILES;
}

void TForm1::WMDropFiles(ui::TMessage& m) {
  const std::wstring path = ui::Platform::Current().DroppedFile(reinterpret_cast<HDROP>(m.wParam));
  m.result = 0;
  if (!path.empty()) OpenFile(path);
}

void TForm1::AcercadeSkylatch1Click(ui::TObject*) { Form3->ShowPseudoModal(); }

void TForm1::Registrar1Click(ui::TObject*) { Main->ShowPseudoModal(); }

void TForm1::FlatButton3Click(ui::TObject*) { Main->ShowPseudoModal(); }

void TForm1::Contenidos1Click(ui::TObject*) { OpenBesideProgram("help.htm"); }

void TForm1::DetallesdeLicencia1Click(ui::TObject*) { OpenBesideProgram("license.txt"); }

void TForm1::Soporteonline1Click(ui::TObject*) { ShellOpen(std::string(core::ProductSite::kSupportPage)); }

// Only the first showing selects the first method: Generate and Save read the user's later choice,
// which coming back from another window must not undo.
void TForm1::FormActivate(ui::TObject*) {
  const bool first = !activatedBefore_;
  if (first) event->SetItemIndex(0);
  activatedBefore_ = true;
  if (first && !start_.order) {
    // An argument that names no file (a look-alike of "order", a switch) is still a normal start.
    const std::wstring& file = start_.file;
    const DWORD attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) OpenFile(file);
  }
  // Started as an order tool: the chooser comes up in front of the disabled main window.
  if (start_.order) Main->ShowPseudoModal(ui::TPseudoModalEnd::EndProgram);
}
