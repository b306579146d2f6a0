#include "core/PopupScript.h"

#include "core/ProductSite.h"
#include "core/Windows1252.h"

namespace core {

namespace {

std::string_view Word(bool ticked) { return ticked ? "yes" : "no"; }

}  // namespace

void PopupScript::WriteTo(TextSink& sink, const PopupSettings& settings) {
  sink.WriteLine("<!-- Ocultando");
  sink.WriteLine("  // Creado con Skylatch!");
  sink.WriteLine(std::string("  // ").append(ProductSite::kHost));
  sink.WriteLine("function " + settings.functionName + "(url){");
  WriteOpenCall(sink, settings);
  sink.WriteChar('}');
  sink.WriteLine("");
  sink.WriteLine("// Mostrando -->");
}

// One physical line; with Full Screen ticked its item is a quoted argument of its own.
void PopupScript::WriteOpenCall(TextSink& sink, const PopupSettings& s) {
  const auto item = [](std::string_view name, bool ticked) {
    return std::string(name).append(Word(ticked)).append(",");
  };
  sink.Write(s.windowName + "=window.open(");
  sink.Write("url,'" + s.windowName + "',");
  if (s.fullScreen) sink.Write("'fullscreen=yes',");
  sink.Write(item("'toolbar=", s.toolbar));
  sink.Write(item("status=", s.status));
  sink.Write(item("menubar=", s.menubar));
  sink.Write(item("location=", s.location));
  sink.Write(item("directories=", s.directories));
  sink.Write(item("resizable=", s.resizable));
  sink.Write(item("scrollbars=", s.scrollbars));
  sink.Write("width=" + s.widthText + ",");
  sink.Write("height=" + s.heightText + ",");
  sink.Write("left=" + s.leftText + ",");
  sink.WriteLine("top=" + s.topText + "');");
}

PopupSettings PopupScript::InWindows1252(const PopupSettings& utf8) {
  PopupSettings s = utf8;
  for (std::string* text : {&s.functionName, &s.windowName, &s.widthText, &s.heightText, &s.leftText, &s.topText})
    *text = Windows1252::FromUtf8OrQuestionMark(*text);
  return s;
}

}  // namespace core
