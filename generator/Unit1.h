#pragma once
#include <string>

#include <utility>
#include <vector>

#include "core/BrowserList.h"
#include "core/GeneratedCode.h"
#include "core/PopupScript.h"
#include "framework/Form.h"

class TFlatGroupBox;
class TFlatEdit;
class TFlatSpinEditInteger;
class TFlatCheckBox;
class TFlatButton;
class TFlatComboBox;
class TFileSource;
namespace ui {
class TLabel;
class TMainMenu;
class TMenuItem;
}  // namespace ui

// The generator window: the pop-up's settings, Preview, and the way to help, About and the
// order wizard.
class TForm1 : public ui::TForm {
 public:
  explicit TForm1(ui::TComponent* owner);
  const char* ClassName() const override { return "TForm1"; }

  TFlatGroupBox* FlatGroupBox1 = nullptr;
  ui::TLabel* Label1 = nullptr;
  TFlatEdit* FlatEdit1 = nullptr;
  ui::TLabel* Label2 = nullptr;
  TFlatEdit* FlatEdit2 = nullptr;
  TFlatGroupBox* FlatGroupBox2 = nullptr;
  ui::TLabel* Label3 = nullptr;
  ui::TLabel* Label4 = nullptr;
  TFlatSpinEditInteger* alto = nullptr;
  TFlatSpinEditInteger* ancho = nullptr;
  ui::TLabel* Label5 = nullptr;
  ui::TLabel* Label6 = nullptr;
  TFlatSpinEditInteger* top = nullptr;
  TFlatSpinEditInteger* left = nullptr;
  TFlatCheckBox* FlatCheckBox1 = nullptr;
  TFlatEdit* Url = nullptr;
  TFlatButton* FlatButton1 = nullptr;
  TFlatButton* FlatButton2 = nullptr;
  ui::TMainMenu* MainMenu1 = nullptr;
  ui::TMenuItem* Archivo1 = nullptr;
  ui::TMenuItem* Ayuda1 = nullptr;
  ui::TMenuItem* Salir1 = nullptr;
  ui::TMenuItem* Open1 = nullptr;
  ui::TMenuItem* Guardar1 = nullptr;
  ui::TMenuItem* Vistaprevia1 = nullptr;
  ui::TMenuItem* Vistapreviaen1 = nullptr;
  ui::TMenuItem* Generarcodigo1 = nullptr;
  ui::TMenuItem* Contenidos1 = nullptr;
  ui::TMenuItem* Soporteonline1 = nullptr;
  ui::TMenuItem* AcercadeSkylatch1 = nullptr;
  ui::TMenuItem* DetallesdeLicencia1 = nullptr;
  ui::TMenuItem* Registrar1 = nullptr;
  ui::TLabel* Label8 = nullptr;
  TFlatButton* FlatButton3 = nullptr;
  TFileSource* enscript = nullptr;
  TFileSource* enpreview = nullptr;
  TFlatGroupBox* FlatGroupBox3 = nullptr;
  ui::TLabel* Label9 = nullptr;
  TFlatCheckBox* location = nullptr;
  TFlatCheckBox* resizable = nullptr;
  TFlatCheckBox* scrollbars = nullptr;
  TFlatCheckBox* status = nullptr;
  TFlatCheckBox* directories = nullptr;
  TFlatCheckBox* menubar = nullptr;
  TFlatCheckBox* toolbar = nullptr;
  TFlatComboBox* event = nullptr;

  void FlatButton2Click(ui::TObject* sender);
  void FlatCheckBox1Click(ui::TObject* sender);
  void Salir1Click(ui::TObject* sender);
  void Guardar1Click(ui::TObject* sender);
  void Open1Click(ui::TObject* sender);
  // Reads the pop-up of a saved script or page, or the first window.open call of any page, into
  // the window: every value or, with a message naming the file and why, none.
  void OpenFile(const std::wstring& path);
  void Vistaprevia1Click(ui::TObject* sender);
  void AcercadeSkylatch1Click(ui::TObject* sender);
  void Contenidos1Click(ui::TObject* sender);
  void Soporteonline1Click(ui::TObject* sender);
  void DetallesdeLicencia1Click(ui::TObject* sender);
  void Registrar1Click(ui::TObject* sender);
  void FlatButton1Click(ui::TObject* sender);
  void FormActivate(ui::TObject* sender);
  // What the command line asked for, read once at start-up: the "order" start, or a file to open.
  struct StartRequest {
    bool order = false;
    std::wstring file;
  };
  void SetStartRequest(StartRequest request) { start_ = std::move(request); }
  void FlatButton3Click(ui::TObject* sender);
  // Writes the script and the test page into C:\windows\temp, places the two companion files
  // beside them and hands the preview page to the shell.
  void Preview();
  // Writes the preview's files as Preview does, then starts each browser with the preview page;
  // a browser that cannot start is named in one message after the others have started.
  void PreviewIn(const std::vector<core::BrowserList::Browser>& browsers);

  // The settings as the controls show them now.
  core::PopupSettings PopupSettings() const;
  // What Generate shows and Save writes for the settings and the activation method shown now.
  core::GeneratedCode CurrentCode() const;

  static constexpr const char* kScriptFile = "C:\\windows\\temp\\tmpskt.js";
  static constexpr const char* kPageFile = "C:\\windows\\temp\\tmphtm.htm";
  static constexpr const char* kCompanionScript = "c:\\windows\\temp\\endu.js";
  static constexpr const char* kPreviewPage = "c:\\windows\\temp\\preview.htm";

  void Loaded() override;

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void WMDropFiles(ui::TMessage& m) override;

 private:
  void OpenBesideProgram(const char* fileName);
  // The script, the page and the companions in C:\windows\temp; the first failure raises.
  void WritePreviewFiles();
  // One item per installed browser under "Preview in", then "Every browser".
  void AddBrowserItems();
  std::vector<core::BrowserList::Browser> browsers_;
  // Asks for the file to save into, starting in the folder of the last save of this run. False
  // when the user cancels; fileType is the chosen type (1 script, 2 page).
  bool AskSavePath(const std::string& suggestedName, std::wstring& path, int& fileType);

  std::wstring saveFolder_;
  int saveType_ = 1;  // the file type picked last: 1 the script, 2 the page
  struct SavedScript {
    std::string functionName;
    std::string fileName;
  } savedScript_;
  bool activatedBefore_ = false;
  StartRequest start_;
  std::size_t furtherCalls_ = 0;  // of the file opened last, told by the next Generate
  std::wstring openFolder_;
  void ShellOpen(const std::string& file);
};
