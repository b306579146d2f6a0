#pragma once
#include <string_view>

namespace core {

// The identifiers of each published enumeration and set, in the order of their values. The class
// schema and the readers that turn a stored identifier into a value both take them from here.
constexpr std::string_view kAlign = "alNone,alTop,alBottom,alLeft,alRight,alClient";
constexpr std::string_view kAlignment = "taLeftJustify,taRightJustify,taCenter";
constexpr std::string_view kTextLayout = "tlTop,tlCenter,tlBottom";
constexpr std::string_view kFontStyles = "fsBold,fsItalic,fsUnderline,fsStrikeOut";
constexpr std::string_view kBorderIcons = "biSystemMenu,biMinimize,biMaximize";
constexpr std::string_view kBorderStyle = "bsNone,bsSingle,bsSizeable,bsDialog,bsToolWindow,bsSizeToolWin";
constexpr std::string_view kPosition =
    "poDesigned,poDefault,poDefaultPosOnly,poDefaultSizeOnly,poScreenCenter,poDesktopCenter,poMainFormCenter,"
    "poOwnerFormCenter";
constexpr std::string_view kTransparentMode = "tmAlways,tmNotFocused,tmNone";
constexpr std::string_view kButtonLayout = "blGlyphLeft,blGlyphRight,blGlyphTop,blGlyphBottom";
constexpr std::string_view kCheckBoxLayout = "checkboxLeft,checkboxRight";
constexpr std::string_view kGroupBoxBorder = "brFull,brOnlyTopLine";
constexpr std::string_view kComboBoxStyle = "csDropDown,csSimple,csDropDownList,csOwnerDrawFixed,csOwnerDrawVariable";
constexpr std::string_view kCharCase = "ecNormal,ecUpperCase,ecLowerCase";
constexpr std::string_view kDirection = "drNone,drUp,drDown,drLeft,drRight,drUpLeft,drUpRight,drDownLeft,drDownRight";
constexpr std::string_view kShadowStyle =
    "ssNone,ssCustom,ssRaised,ssRaisedColor,ssRaisedShadow,ssRaisedThickShadow,ssRecessed,ssRecessedColor,"
    "ssRecessedShadow,ssShadow,ssThickShadow";
constexpr std::string_view kVerticalAlignment = "vaTop,vaCenter,vaBottom";

// The position of name in a comma-separated list of identifiers, or -1.
int EnumOrdinal(std::string_view names, std::string_view name);

}  // namespace core
