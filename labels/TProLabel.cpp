#include "labels/TProLabel.h"

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
#include "framework/WinControl.h"

const ui::PropertyTable& TProLabel::Published() const {
  using C = TProLabel;
  static const ui::PropertyTable table{
#include "labels/TProLabel.props"
  };
  return table;
}
