#include "labels/TProUrlImage.h"

#include "labels/ProUrl.h"

TProUrlImage::TProUrlImage(ui::TComponent* owner) : ui::TImage(owner) { SetCursor(crHandPoint); }

void TProUrlImage::Click() {
  ui::TImage::Click();
  OpenLink(url_);
}

bool TProUrlImage::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  if (name == "URL") SetURL(ui::StringValue(v));
  else return ui::TImage::SetProperty(name, v, context);
  return true;
}
