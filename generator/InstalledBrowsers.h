#pragma once
#include <vector>

#include "core/BrowserList.h"

// The browsers registered for the user and for the machine, as Windows lists them.
class InstalledBrowsers {
 public:
  static std::vector<core::BrowserList::Browser> Read();
};
