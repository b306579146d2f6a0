#include "labels/LinkControlClasses.h"

#include "framework/ClassRegistry.h"
#include "labels/ProUrl.h"
#include "labels/TProLabel.h"
#include "labels/TProUrlImage.h"
#include "labels/TProUrlLabel.h"

void RegisterLinkControls() {
  ui::ClassRegistry::Register<TProLabel>("TProLabel");
  ui::ClassRegistry::Register<TProUrlLabel>("TProUrlLabel");
  ui::ClassRegistry::Register<TProUrlImage>("TProUrlImage");
  RegisterHandCursors();
}
