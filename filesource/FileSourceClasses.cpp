#include "filesource/FileSourceClasses.h"

#include "filesource/TFileSource.h"
#include "framework/ClassRegistry.h"

void RegisterFileSource() { ui::ClassRegistry::Register<TFileSource>("TFileSource"); }
