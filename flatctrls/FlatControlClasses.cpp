#include "flatctrls/FlatControlClasses.h"

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatMemo.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "framework/ClassRegistry.h"

void RegisterFlatControls() {
  ui::ClassRegistry::Register<TFlatButton>("TFlatButton");
  ui::ClassRegistry::Register<TFlatCheckBox>("TFlatCheckBox");
  ui::ClassRegistry::Register<TFlatComboBox>("TFlatComboBox");
  ui::ClassRegistry::Register<TFlatEdit>("TFlatEdit");
  ui::ClassRegistry::Register<TFlatSpinEditInteger>("TFlatSpinEditInteger");
  ui::ClassRegistry::Register<TFlatGroupBox>("TFlatGroupBox");
  ui::ClassRegistry::Register<TFlatMemo>("TFlatMemo");
}
