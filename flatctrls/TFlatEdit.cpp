#include "flatctrls/TFlatEdit.h"

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"

const ui::PropertyTable& TFlatEdit::Published() const {
  using C = TFlatEdit;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatEdit.props"
  };
  return table;
}
