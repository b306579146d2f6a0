#include "generator/InstalledBrowsers.h"

#include <windows.h>
#include <string>

#include "system/WideText.h"

namespace {

constexpr wchar_t kClients[] = L"SOFTWARE\\Clients\\StartMenuInternet";

class RegistryKey {
 public:
  RegistryKey(HKEY parent, const std::wstring& path) {
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  HKEY Handle() const { return key_; }

  // A string value (expanded where it is REG_EXPAND_SZ) of this key or of a subkey; empty when absent.
  std::string Text(const wchar_t* subKey, const wchar_t* value) const {
    DWORD size = 0;
    const DWORD flags = RRF_RT_REG_SZ;  // REG_EXPAND_SZ too, expanded
    if (!key_ || RegGetValueW(key_, subKey, value, flags, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(key_, subKey, value, flags, nullptr, text.data(), &size) != ERROR_SUCCESS) return {};
    return ui::WideText::ToUtf8(text.c_str());
  }

  std::vector<std::wstring> SubKeys() const {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD i = 0; key_; ++i) {
      DWORD length = 256;
      if (RegEnumKeyExW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.emplace_back(name, length);
    }
    return names;
  }

 private:
  HKEY key_ = nullptr;
};

std::vector<core::BrowserList::Key> KeysUnder(HKEY root) {
  std::vector<core::BrowserList::Key> keys;
  const RegistryKey clients(root, kClients);
  for (const std::wstring& name : clients.SubKeys()) {
    const RegistryKey browser(clients.Handle(), name);
    keys.push_back({ui::WideText::ToUtf8(name), browser.Text(nullptr, nullptr),
                    browser.Text(nullptr, L"LocalizedString"), browser.Text(L"shell\\open\\command", nullptr)});
  }
  return keys;
}

}  // namespace

std::vector<core::BrowserList::Browser> InstalledBrowsers::Read() {
  return core::BrowserList::Merge(KeysUnder(HKEY_CURRENT_USER), KeysUnder(HKEY_LOCAL_MACHINE));
}
