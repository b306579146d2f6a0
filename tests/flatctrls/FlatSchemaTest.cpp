// Every property a flat control's class publishes can be set by name, as a window definition does.
#include "flatctrls/TFlatEdit.h"
#include "framework/ClassRegistry.h"
#include "framework/Control.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/flatctrls/SchemaSamples.h"

namespace {

class FlatSchema : public FlatControlTest, public testing::WithParamInterface<const char*> {};

TEST_P(FlatSchema, EveryPublishedPropertyIsTaken) {
  auto* target = Make<TFlatEdit>(0, 0, 50, 19);
  target->SetName("Target");
  ui::TComponent* component = ui::ClassRegistry::Create(GetParam(), host);
  ASSERT_NE(component, nullptr) << GetParam() << " is not registered";
  EXPECT_STREQ(component->ClassName(), GetParam());
  component->SetParentComponent(host);
  EXPECT_EQ(schemasamples::RefusedProperties(*component, *host, "Target"), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Flat, FlatSchema,
                         testing::Values("TFlatButton", "TFlatCheckBox", "TFlatComboBox", "TFlatEdit",
                                         "TFlatSpinEditInteger", "TFlatGroupBox", "TFlatMemo"));

}  // namespace
