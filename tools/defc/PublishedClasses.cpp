#include "tools/defc/PublishedClasses.h"

#include "core/EnumNames.h"

namespace {

#define PUBLISH(name, kind, def, values, get, set) core::PropertyInfo{name, core::PropertyKind::kind, def, values},
#define PUBLISH_FIELD(name, kind, def, values, field) core::PropertyInfo{name, core::PropertyKind::kind, def, values},
#define PUBLISH_EVENT(name, member) core::PropertyInfo{name, core::PropertyKind::Event, {}, {}},
#define PUBLISH_REFERENCE(name, get, set) core::PropertyInfo{name, core::PropertyKind::Reference, {}, {}},
#define PUBLISH_KEPT(name, kind, def, values) core::PropertyInfo{name, core::PropertyKind::kind, def, values},
#define PUBLISH_SECOND_NAME(name, kind, values, get, set)  // never in a definition

core::ClassList Build() {
  return {
      {"TForm", {
#include "framework/Form.props"
                }},
      {
          {"TLabel", {
#include "framework/Label.props"
                     }},
          {"TImage", {
#include "framework/Image.props"
                     }},
          {"TMainMenu", {}},
          {"TMenuItem", {
#include "framework/MenuItem.props"
                        }},
          {"TFlatButton", {
#include "flatctrls/TFlatButton.props"
                          }},
          {"TFlatCheckBox", {
#include "flatctrls/TFlatCheckBox.props"
                            }},
          {"TFlatComboBox", {
#include "flatctrls/TFlatComboBox.props"
                            }},
          {"TFlatEdit", {
#include "flatctrls/TFlatEdit.props"
                        }},
          {"TFlatMemo", {
#include "flatctrls/TFlatMemo.props"
                        }},
          {"TFlatSpinEditInteger", {
#include "flatctrls/TFlatSpinEditInteger.props"
                                   }},
          {"TFlatGroupBox", {
#include "flatctrls/TFlatGroupBox.props"
                            }},
          {"TProLabel", {
#include "labels/TProLabel.props"
                        }},
          {"TProUrlLabel", {
#include "labels/TProUrlLabel.props"
                           }},
          {"TProUrlImage", {
#include "labels/TProUrlImage.props"
                           }},
          {"TFileSource", {
#include "filesource/TFileSource.props"
                          }},
      }};
}

}  // namespace

const core::ClassList& PublishedClasses() {
  static const core::ClassList classes = Build();
  return classes;
}
