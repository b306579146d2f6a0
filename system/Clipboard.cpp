#include "system/Clipboard.h"

#include <cstring>

#include "core/Windows1252.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

namespace {

// Memory for the clipboard: freed here unless the clipboard took it.
class GlobalBlock {
 public:
  explicit GlobalBlock(const void* data, std::size_t size) : handle_(GlobalAlloc(GMEM_MOVEABLE, size)) {
    if (!handle_) throw Exception("Out of memory");
    std::memcpy(GlobalLock(handle_), data, size);
    GlobalUnlock(handle_);
  }
  ~GlobalBlock() {
    if (handle_) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  void HandTo(UINT format) {
    if (SetClipboardData(format, handle_)) handle_ = nullptr;
  }

 private:
  HGLOBAL handle_;
};

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    // Another program may hold it for a moment.
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(20);
    }
    if (!open_) throw Exception("Cannot open clipboard");
  }
  ~OpenedClipboard() { CloseClipboard(); }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

 private:
  bool open_ = false;
};

}  // namespace

void Clipboard::SetText(HWND owner, std::string_view utf8) {
  const std::wstring wide = WideText::FromUtf8(utf8);
  GlobalBlock unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  const std::string ansi = core::Windows1252::FromUtf8OrQuestionMark(utf8);
  GlobalBlock bytes(ansi.c_str(), ansi.size() + 1);
  OpenedClipboard clipboard(owner);
  EmptyClipboard();
  unicode.HandTo(CF_UNICODETEXT);
  bytes.HandTo(CF_TEXT);
}

std::string Clipboard::TextUtf8(HWND owner) {
  OpenedClipboard clipboard(owner);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  std::string utf8 = WideText::ToUtf8(text);
  GlobalUnlock(data);
  return utf8;
}

}  // namespace ui
