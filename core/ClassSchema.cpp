#include "core/ClassSchema.h"

#include <initializer_list>

#include "core/EnumNames.h"

namespace core {

namespace {

using K = PropertyKind;

PropertyInfo P(std::string_view name, PropertyKind kind, std::string_view defaultText = {},
               std::string_view values = {}) {
  return PropertyInfo{name, kind, defaultText, values};
}

class ListBuilder {
 public:
  ListBuilder& Add(std::initializer_list<PropertyInfo> more) {
    list_.insert(list_.end(), more);
    return *this;
  }
  ListBuilder& Add(const std::vector<PropertyInfo>& more) {
    list_.insert(list_.end(), more.begin(), more.end());
    return *this;
  }
  ListBuilder& Bounds() { return Add({P("Left", K::Pixels), P("Top", K::Pixels), P("Width", K::Pixels), P("Height", K::Pixels)}); }
  ListBuilder& Font() {
    return Add({P("Font.Charset", K::Integer), P("Font.Color", K::Color), P("Font.Height", K::Pixels),
                P("Font.Name", K::String), P("Font.Style", K::Set, {}, kFontStyles)});
  }
  ListBuilder& Events(std::initializer_list<std::string_view> names) {
    for (auto n : names) list_.push_back(P(n, K::Event));
    return *this;
  }
  std::vector<PropertyInfo> Build() { return std::move(list_); }

 private:
  std::vector<PropertyInfo> list_;
};

std::vector<PropertyInfo> FormProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("BorderIcons", K::Set, "[biSystemMenu,biMinimize,biMaximize]", kBorderIcons),
            P("BorderStyle", K::Enum, "bsSizeable", kBorderStyle), P("Caption", K::String),
            P("ClientHeight", K::Pixels), P("ClientWidth", K::Pixels), P("Color", K::Color, "clBtnFace")})
      .Font()
      .Add({P("Menu", K::Reference), P("Position", K::Enum, "poDesigned", kPosition), P("Visible", K::Boolean, "False")})
      .Events({"OnActivate", "OnClose", "OnCreate", "OnShow"})
      .Build();
}

std::vector<PropertyInfo> LabelProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Alignment", K::Enum, "taLeftJustify", kAlignment), P("AutoSize", K::Boolean, "True"),
            P("Caption", K::String), P("Color", K::Color), P("Enabled", K::Boolean, "True"),
            P("FocusControl", K::Reference)})
      .Font()
      .Add({P("Layout", K::Enum, "tlTop", kTextLayout), P("ParentColor", K::Boolean, "True"),
            P("ParentFont", K::Boolean, "True"), P("ShowAccelChar", K::Boolean, "True"),
            P("Transparent", K::Boolean, "False"), P("Visible", K::Boolean, "True"), P("WordWrap", K::Boolean, "False")})
      .Events({"OnClick"})
      .Build();
}

std::vector<PropertyInfo> ImageProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Center", K::Boolean, "False"), P("Picture.Data", K::Binary), P("Stretch", K::Boolean, "False"),
            P("Transparent", K::Boolean, "False"), P("Visible", K::Boolean, "True")})
      .Events({"OnClick"})
      .Build();
}

std::vector<PropertyInfo> FlatButtonProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("TransparentMode", K::Enum, "tmNone", kTransparentMode), P("Default", K::Boolean, "False"),
            P("AllowAllUp", K::Boolean, "False"), P("Color", K::Color, "$00E1EAEB"),
            P("ColorFocused", K::Color, "$00E1EAEB"), P("ColorDown", K::Color, "$00C5D6D9"),
            P("ColorBorder", K::Color, "$008396A0"), P("ColorHighLight", K::Color, "$00FFFFFF"),
            P("ColorShadow", K::Color, "$00000000"), P("AdvColorFocused", K::Integer, "10"),
            P("AdvColorDown", K::Integer, "10"), P("AdvColorBorder", K::Integer, "50"),
            P("UseAdvColors", K::Boolean, "False"), P("GroupIndex", K::Integer, "0"), P("Down", K::Boolean, "False"),
            P("Caption", K::String), P("Enabled", K::Boolean, "True")})
      .Font()
      .Add({P("Glyph.Data", K::Binary), P("Layout", K::Enum, "blGlyphTop", kButtonLayout),
            P("Margin", K::Integer, "-1"), P("NumGlyphs", K::Integer, "1"), P("ParentFont", K::Boolean, "True"),
            P("ParentColor", K::Boolean, "True"), P("TabStop", K::Boolean, "False"), P("TabOrder", K::Integer, "-1"),
            P("Spacing", K::Integer, "4"), P("ModalResult", K::Integer, "0"), P("Visible", K::Boolean, "True")})
      .Events({"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Build();
}

std::vector<PropertyInfo> FlatCheckBoxProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Transparent", K::Boolean, "False"), P("Caption", K::String), P("Checked", K::Boolean, "False"),
            P("Color", K::Color, "$00E1EAEB"), P("ColorFocused", K::Color, "$00FFFFFF"),
            P("ColorDown", K::Color, "$00C5D6D9"), P("ColorCheck", K::Color, "$00000000"),
            P("ColorBorder", K::Color, "$008396A0"), P("AdvColorFocused", K::Integer, "10"),
            P("AdvColorDown", K::Integer, "10"), P("AdvColorBorder", K::Integer, "50"),
            P("UseAdvColors", K::Boolean, "False"), P("Enabled", K::Boolean, "True")})
      .Font()
      .Add({P("Layout", K::Enum, "checkboxLeft", kCheckBoxLayout), P("ParentColor", K::Boolean, "True"),
            P("ParentFont", K::Boolean, "True"), P("TabOrder", K::Integer, "-1"), P("TabStop", K::Boolean, "False"),
            P("Visible", K::Boolean, "True")})
      .Events({"OnClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove",
               "OnMouseUp"})
      .Build();
}

std::vector<PropertyInfo> FlatComboBoxProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("TabStop", K::Boolean, "True"), P("Style", K::Enum, "csDropDown", kComboBoxStyle),
            P("Color", K::Color, "$00E1EAEB"), P("ColorArrow", K::Color, "$00000000"),
            P("ColorArrowBackground", K::Color, "$00C5D6D9"), P("ColorBorder", K::Color, "$008396A0"),
            P("AdvColorBorder", K::Integer, "50"), P("AdvColorArrowBackground", K::Integer, "10"),
            P("UseAdvColors", K::Boolean, "False"), P("DropDownCount", K::Integer, "8"),
            P("Enabled", K::Boolean, "True")})
      .Font()
      .Add({P("ParentFont", K::Boolean, "True"), P("TabOrder", K::Integer, "-1"), P("Text", K::String),
            P("Visible", K::Boolean, "True"), P("ItemHeight", K::Pixels), P("Items.Strings", K::StringList),
            P("MaxLength", K::Integer, "0"), P("Sorted", K::Boolean, "False"), P("ItemIndex", K::Integer)})
      .Events({"OnChange", "OnClick", "OnDblClick", "OnDrawItem", "OnDropDown", "OnEnter", "OnExit", "OnKeyDown",
               "OnKeyPress", "OnKeyUp", "OnMeasureItem"})
      .Build();
}

std::vector<PropertyInfo> FlatEditProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("TabStop", K::Boolean, "True"), P("ColorFocused", K::Color, "$00FFFFFF"),
            P("ColorBorder", K::Color, "$008396A0"), P("ColorFlat", K::Color, "$00E1EAEB"),
            P("ParentColor", K::Boolean, "False"), P("AdvColorFocused", K::Integer, "10"),
            P("AdvColorBorder", K::Integer, "50"), P("UseAdvColors", K::Boolean, "False"),
            P("CharCase", K::Enum, "ecNormal", kCharCase), P("Enabled", K::Boolean, "True")})
      .Font()
      .Add({P("HideSelection", K::Boolean, "True"), P("MaxLength", K::Integer, "0"),
            P("OEMConvert", K::Boolean, "False"), P("ParentFont", K::Boolean, "True"), P("PasswordChar", K::String),
            P("ReadOnly", K::Boolean, "False"), P("TabOrder", K::Integer, "-1"), P("Text", K::String),
            P("Visible", K::Boolean, "True")})
      .Events({"OnChange", "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
               "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Build();
}

std::vector<PropertyInfo> FlatMemoProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Color", K::Color, "clWindow"), P("ColorBorder", K::Color, "$008396A0"), P("Enabled", K::Boolean, "True")})
      .Font()
      .Add({P("ParentFont", K::Boolean, "True"), P("ReadOnly", K::Boolean, "False"), P("TabOrder", K::Integer, "-1"),
            P("TabStop", K::Boolean, "True"), P("Visible", K::Boolean, "True")})
      .Build();
}

std::vector<PropertyInfo> FlatSpinEditProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("ColorFocused", K::Color, "$00FFFFFF"), P("ColorBorder", K::Color, "$008396A0"),
            P("ColorFlat", K::Color, "$00E1EAEB"), P("AdvColorFocused", K::Integer, "10"),
            P("AdvColorBorder", K::Integer, "50"), P("UseAdvColors", K::Boolean, "False"),
            P("ParentColor", K::Boolean, "False"), P("AutoSelect", K::Boolean, "True"),
            P("AutoSize", K::Boolean, "True"), P("ReadOnly", K::Boolean, "False"),
            P("EditorEnabled", K::Boolean, "True"), P("Increment", K::Integer, "1"), P("MinValue", K::Integer),
            P("MaxValue", K::Integer), P("Value", K::Integer), P("Enabled", K::Boolean, "True"),
            P("Visible", K::Boolean, "True")})
      .Font()
      .Add({P("ParentFont", K::Boolean, "True"), P("TabOrder", K::Integer, "-1"), P("TabStop", K::Boolean, "True")})
      .Events({"OnChange", "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
               "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Build();
}

std::vector<PropertyInfo> FlatGroupBoxProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Cursor", K::Integer, "0"), P("Transparent", K::Boolean, "False"), P("Align", K::Enum, "alNone", kAlign),
            P("Caption", K::String)})
      .Font()
      .Add({P("ParentFont", K::Boolean, "True"), P("Color", K::Color, "$80000005"),
            P("ParentColor", K::Boolean, "True"), P("Enabled", K::Boolean, "True"), P("Visible", K::Boolean, "True"),
            P("TabOrder", K::Integer, "-1"), P("TabStop", K::Boolean, "False"),
            P("ColorBorder", K::Color, "$008396A0"), P("Border", K::Enum, "brFull", kGroupBoxBorder),
            P("AdvColorBorder", K::Integer, "50"), P("UseAdvColors", K::Boolean, "False")})
      .Events({"OnClick", "OnDblClick", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Build();
}

// Layout is left out: it only mirrors VerticalAlignment and is never stored.
std::vector<PropertyInfo> ProLabelProperties() {
  return ListBuilder()
      .Bounds()
      .Add({P("Align", K::Enum, "alNone", kAlign), P("Alignment", K::Enum, "taLeftJustify", kAlignment),
            P("Angle", K::Integer, "0"), P("AutoSize", K::Boolean, "True"), P("Caption", K::String),
            P("Color", K::Color), P("Enabled", K::Boolean, "True"), P("FocusControl", K::Reference)})
      .Font()
      .Add({P("HighlightDirection", K::Enum, "drNone", kDirection), P("HighlightDepth", K::Integer, "0"),
            P("HighlightColor", K::Color, "clBtnHighlight"), P("OffsetX", K::Integer, "0"),
            P("OffsetY", K::Integer, "0"), P("ParentColor", K::Boolean, "True"), P("ParentFont", K::Boolean, "True"),
            P("ShadowStyle", K::Enum, "ssNone", kShadowStyle), P("ShadowDirection", K::Enum, "drNone", kDirection),
            P("ShadowDepth", K::Integer, "0"), P("ShadowSize", K::Integer, "0"),
            P("ShadowColor", K::Color, "clBtnShadow"), P("ShowAccelChar", K::Boolean, "True"),
            P("Transparent", K::Boolean, "False"), P("VerticalAlignment", K::Enum, "vaTop", kVerticalAlignment),
            P("Visible", K::Boolean, "True"), P("WordWrap", K::Boolean, "False")})
      .Events({"OnClick", "OnDblClick", "OnMouseDown", "OnMouseEnter", "OnMouseLeave", "OnMouseMove", "OnMouseUp"})
      .Build();
}

std::vector<PropertyInfo> ProUrlLabelProperties() {
  return ListBuilder()
      .Add(ProLabelProperties())
      .Add({P("Cursor", K::Integer, "15000"), P("URL", K::String), P("UnvisitedColor", K::Color, "clBlue"),
            P("ActivatedColor", K::Color, "clRed"), P("VisitedColor", K::Color, "clNavy"),
            P("HoveredColor", K::Color, "clWhite"), P("CanHover", K::Boolean, "False")})
      .Build();
}

std::vector<PropertyInfo> ProUrlImageProperties() {
  return ListBuilder().Add(ImageProperties()).Add({P("Cursor", K::Integer, "15000"), P("URL", K::String)}).Build();
}

// Compress and Store declare no default, so they are written even when False.
std::vector<PropertyInfo> FileSourceProperties() {
  return {P("Compress", K::Boolean), P("DisplayLabel", K::String), P("Extension", K::String),
          P("FileName", K::String), P("Store", K::Boolean)};
}

std::vector<ClassSchema> BuildSchemas() {
  std::vector<ClassSchema> all;
  for (std::string_view form :
       {"TForm1", "TForm3", "TForm4", "TMain", "TCCOrders", "Tfaxorders", "Tmailorders", "TPhoneorders", "TPOOrders"}) {
    all.push_back({form, FormProperties()});
  }
  all.push_back({"TLabel", LabelProperties()});
  all.push_back({"TImage", ImageProperties()});
  all.push_back({"TMainMenu", {}});
  all.push_back({"TMenuItem", {P("Caption", K::String), P("ShortCut", K::String), P("Enabled", K::Boolean, "True"),
                               P("Visible", K::Boolean, "True"), P("OnClick", K::Event)}});
  all.push_back({"TFlatButton", FlatButtonProperties()});
  all.push_back({"TFlatCheckBox", FlatCheckBoxProperties()});
  all.push_back({"TFlatComboBox", FlatComboBoxProperties()});
  all.push_back({"TFlatEdit", FlatEditProperties()});
  all.push_back({"TFlatMemo", FlatMemoProperties()});
  all.push_back({"TFlatSpinEditInteger", FlatSpinEditProperties()});
  all.push_back({"TFlatGroupBox", FlatGroupBoxProperties()});
  all.push_back({"TProLabel", ProLabelProperties()});
  all.push_back({"TProUrlLabel", ProUrlLabelProperties()});
  all.push_back({"TProUrlImage", ProUrlImageProperties()});
  all.push_back({"TFileSource", FileSourceProperties()});
  return all;
}

const std::vector<ClassSchema>& Schemas() {
  static const std::vector<ClassSchema> schemas = BuildSchemas();
  return schemas;
}

struct NamedColor {
  std::string_view name;
  std::uint32_t value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},         {"clMaroon", 0x000080},        {"clGreen", 0x008000},
    {"clNavy", 0x800000},          {"clBlue", 0xFF0000},          {"clRed", 0x0000FF},
    {"clWhite", 0xFFFFFF},         {"clGray", 0x808080},          {"clSilver", 0xC0C0C0},
    {"clYellow", 0x00FFFF},        {"clScrollBar", 0x80000000},   {"clBackground", 0x80000001},
    {"clWindow", 0x80000005},      {"clWindowText", 0x80000008},  {"clBtnFace", 0x8000000F},
    {"clHighlight", 0x8000000D},   {"clHighlightText", 0x8000000E}, {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},    {"clBtnText", 0x80000012},     {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},  {"cl3DLight", 0x80000016},     {"clInfoBk", 0x80000018},
};

}  // namespace

const PropertyInfo* ClassSchema::Find(std::string_view property) const {
  const int i = IndexOf(property);
  return i < 0 ? nullptr : &properties[static_cast<std::size_t>(i)];
}

int ClassSchema::IndexOf(std::string_view property) const {
  for (std::size_t i = 0; i < properties.size(); ++i) {
    if (properties[i].name == property) return static_cast<int>(i);
  }
  return -1;
}

const ClassSchema* FindClassSchema(std::string_view className) {
  for (const auto& schema : Schemas()) {
    if (schema.className == className) return &schema;
  }
  return nullptr;
}

std::vector<const ClassSchema*> AllClassSchemas() {
  std::vector<const ClassSchema*> result;
  for (const auto& schema : Schemas()) result.push_back(&schema);
  return result;
}

bool LookupColorName(std::string_view name, std::int32_t& value) {
  for (const auto& color : kColors) {
    if (color.name == name) {
      value = static_cast<std::int32_t>(color.value);
      return true;
    }
  }
  return false;
}

}  // namespace core
