// Open of a 1 MB page holding 1,000 window.open calls, measured side by side with reading the
// file's bytes alone, in interleaved rounds. Prints figures, and with --rows the ratio as
// "ROW|what|ours|baseline|ratio|goal" for scripts/bench.sh; asserts nothing about speed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/PopupFileReader.h"

namespace {

using Clock = std::chrono::steady_clock;

// Paragraphs of markup with a link calling a pop-up function every kilobyte or so.
std::string Page() {
  std::string page = "<!DOCTYPE html>\r\n<html><head><script>\r\n"
                     "function PopUp(url){ window.open(url, 'w', 'width=500,height=400,scrollbars=yes'); }\r\n"
                     "</script></head><body>\r\n";
  const std::string filler =
      "<p>Some text of the page, with <b>markup</b> and an address or two: https://example.org/</p>\r\n";
  for (int call = 1; call < 1000; ++call) {
    for (int line = 0; line < 9; ++line) page += filler;
    page += "<a href=\"#\" onclick=\"window.open('page" + std::to_string(call) +
            ".htm', 'w', 'width=640,height=480,\\\n resizable=yes')\">more</a>\r\n";
  }
  while (page.size() < 1024 * 1024) page += filler;
  return page + "<a href=\"#\" onmouseover=\"PopUp('last.htm')\">last</a></body></html>\r\n";
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const bool rows = argc > 1 && std::strcmp(argv[1], "--rows") == 0;
  const auto path = std::filesystem::temp_directory_path() / "skylatch-open-bench.htm";
  const std::string page = Page();
  std::ofstream(path, std::ios::binary) << page;
  std::size_t further = 0;
  std::vector<double> readOnly, open;
  for (int round = 0; round < 21; ++round) {
    auto start = Clock::now();
    const std::string bytes = ReadBytes(path);
    readOnly.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    start = Clock::now();
    further = core::PopupFileReader::Read(ReadBytes(path)).furtherCalls;
    open.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (bytes.size() != page.size()) return 1;
  }
  std::filesystem::remove(path);
  const double ours = Median(open), baseline = Median(readOnly);
  std::printf("Page of %zu bytes, %zu calls found: Open %.2f ms, reading the bytes %.2f ms (medians of 21 "
              "interleaved rounds)\n", page.size(), further + 1, ours, baseline);
  if (rows)
    std::printf("ROW|Open of a 1 MB page with 1,000 calls against reading its bytes|%.2f ms|%.2f ms|%.1fx|-\n", ours,
                baseline, ours / baseline);
  return 0;
}
