#pragma once
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/ClassSchema.h"
#include "core/ComponentDef.h"
#include "core/DefinitionText.h"

namespace core {

// Turns a parsed text definition into what is stored: every class and property checked against
// its schema, colour names turned into numbers, values equal to the declared default dropped,
// the rest put in the order the class publishes them, and the stored files of file sources
// added as "FileData". Problems raise std::runtime_error with a message naming the component.
class DefinitionCompiler {
 public:
  // classes: what each component's class publishes; the window itself publishes classes.window.
  DefinitionCompiler(const ClassList& classes, DefinitionText::FileReader readFile);
  ComponentDef Compile(const ComponentDef& parsed) const;
  std::vector<std::uint8_t> CompileText(std::string_view text) const;

  // FILE-SOURCE HOOK: saves the file that a stored file source names (as the definition gives
  // it) as its "FileData" value, plain or compressed, the way the component itself saves it; it
  // raises the component's own error for a missing file. Until it is installed, compiling a file
  // source whose Store is True fails. Install it from code the program calls (defc's main), not
  // from a static initialiser, which a static library may drop.
  using FileDataEncoder = std::function<std::vector<std::uint8_t>(const std::string& componentName,
                                                                  const std::string& fileName, bool compress)>;
  static FileDataEncoder& FileDataHook();

 private:
  ComponentDef CompileComponent(const ComponentDef& parsed, const ClassSchema* schema) const;
  void CheckReferences(const ComponentDef& c, const ClassSchema& schema, const std::set<std::string>& names) const;
  const ClassList& classes_;
  DefinitionText::FileReader readFile_;
};

}  // namespace core
