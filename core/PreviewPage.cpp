#include "core/PreviewPage.h"

#include <array>
#include <string>

#include "core/JavaScriptName.h"
#include "core/ProductSite.h"
#include "core/WebEscape.h"
#include "core/Windows1252.h"

namespace core {

namespace {

constexpr std::array<std::string_view, 37> kHeadLines = {
    "<script language=\"Javascript\">",
    "var vie=",
    "parseFloat(navigator.appVersion.slice(navigator.appVersion.indexOf(\"MSIE\")+4,"
    "navigator.appVersion.length));",
    "function sinmenu()",
    "{",
    "event.cancelBubble = true;",
    "event.returnValue = false;",
    "return false;",
    "}",
    "function noclicderecho(e)",
    "{",
    "if (navigator.appName == 'Netscape' && (e.which == 3 || e.which == 2)) return false;",
    "else",
    "if (navigator.appName == 'Microsoft Internet Explorer' && (event.button == 2 || event.button == 3))",
    "{",
    "if (vie < 5) // -- para el IE4 -- \\\\",
    "{",
    "",
    "return false;",
    "}",
    "else",
    "if (vie >= 5) // -- para el IE5 -- \\\\",
    "{",
    "document.oncontextmenu = sinmenu;",
    "return false;",
    "}",
    "}",
    "return true;",
    "}",
    "document.onmousedown=noclicderecho;",
    "if (document.layers)window.captureEvents(Event.MOUSEDOWN);",
    "window.onmousedown=noclicderecho;",
    "</script>",
    "<!-- Fin del c\xF3" "digo -->",
    "</HEAD>",
    "<body bgcolor=\"white\" text=\"black\" link=\"blue\" vlink=\"purple\" alink=\"red\">",
    "<!--Start-->",
};

// A script kept percent-encoded and decoded by the page itself: it declares the trial message and
// answers right clicks with it. The pieces split escapes across their borders.
constexpr std::array<std::string_view, 7> kTrialGuardPieces = {
    "<script language=JavaScript>m='"
    "%3Cscript%20language%3DJavaScript%3E%0D%0A%3C%21--%0D%0Avar%20message%3D%22Skylatch%21%20",
    "Trial%21%22%3B%0D%0A%0D%0Afunction%20clickIE%28%29%20%20%7Bif%20%28document.all%29%20%7Balert%28"
    "message%29%3Breturn%20false%3B%",
    "7D%7D%0D%0Afunction%20clickNS%28e%29%20%7Bif%20%0D%0A%28document.layers%7C%7C%28document."
    "getElementById%26%26%21document.all%29%29%",
    "20%7B%0D%0Aif%20%28e.which%3D%3D2%7C%7Ce.which%3D%3D3%29%20%7Balert%28message%29%3Breturn%20"
    "false%3B%7D%7D%7D%0D%0Aif%20%28document.layers",
    "%29%20%0D%0A%7Bdocument.captureEvents%28Event.MOUSEDOWN%29%3Bdocument.onmousedown%3DclickNS%3B"
    "%7D%0D%0Aelse%7Bdocument.onmouseup%3DclickNS%3",
    "Bdocument.oncontextmenu%3DclickIE%3B%7D%0D%0A%0D%0Adocument.oncontextmenu%3Dnew%20Function%28"
    "%22return%20false%22%29%0D%0A%0D%0A//%20--%3E%3C/",
    "script%3E';d=unescape(m);document.write(d);</script>",
};

}  // namespace

void PreviewPage::WriteTo(TextSink& sink, std::string_view functionName, std::string_view url) {
  WriteHead(sink);
  WriteTrialGuard(sink);
  WriteLink(sink, functionName, url);
  sink.WriteLine("</body></html>");
}

void PreviewPage::WriteHead(TextSink& sink) {
  sink.WriteLine("<HTML>");
  sink.WriteLine("<HEAD>");
  sink.WriteLine("");
  sink.WriteLine("<script src=\"tmpskt.js\" language=\"JavaScript\"></script>");
  sink.WriteLine(std::string("<!--").append(ProductSite::kHost).append("-->"));
  for (const std::string_view line : kHeadLines) sink.WriteLine(line);
}

void PreviewPage::WriteTrialGuard(TextSink& sink) {
  for (const std::string_view piece : kTrialGuardPieces) sink.Write(piece);
  sink.WriteLine("<!--End-->");
}

// Nothing in the fields can leave the address's string or the attribute: a name that is no
// JavaScript name is looked up as window['...'], so it cannot be code of its own either. An
// ordinary name and address keep their bytes.
void PreviewPage::WriteLink(TextSink& sink, std::string_view functionName, std::string_view url) {
  sink.Write("<p><A href=\"javascript:");
  if (JavaScriptName::IsIdentifier(Windows1252::ToUtf8(functionName))) sink.Write(functionName);
  else sink.Write("window['" + WebEscape::JavaScriptAddressString(functionName) + "']");
  sink.Write("(");
  sink.Write("'");
  sink.Write(WebEscape::JavaScriptAddressString(url));
  sink.Write("'");
  sink.WriteLine(")\" alt=\"Latchy!\">click here to preview your PopUp</a></p>");
}

}  // namespace core
