// The flat combo box: selection from code and by the user.
#include "flatctrls/TFlatComboBox.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class FlatComboBox : public FlatControlTest {
 protected:
  FlatComboBox() : combo(Make<TFlatComboBox>(10, 10, 100, 21)) {
    combo->SetComboStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetItems({"On Page Load", "On Page Unload", "OnMouseOver", "OnMouseOut", "From link"});
    combo->OnChange = [this](ui::TObject*) { ++changes; };
  }

  TFlatComboBox* combo;
  int changes = 0;
};

TEST_F(FlatComboBox, StartsWithTheFlatColoursAndRowsOf13) {
  EXPECT_EQ(combo->ItemHeight(), 13);
  EXPECT_EQ(combo->ColorArrow(), 0x00000000u);
  EXPECT_EQ(combo->ColorArrowBackground(), 0x00C5D6D9u);
  EXPECT_EQ(combo->ColorBorder(), 0x008396A0u);
  EXPECT_TRUE(combo->TabStop());
}

TEST_F(FlatComboBox, ItemIndexFromCodeFiresNoOnChange) {
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "OnMouseOver");
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(changes, 0);
}

TEST_F(FlatComboBox, APickByTheUserFiresOnChange) {
  combo->SetItemIndex(0);
  combo->SetFocus();
  Key(*combo, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(FlatComboBox, AClickDropsTheListDown) {
  SendMouse(*combo, WM_LBUTTONDOWN, MK_LBUTTON, 90, 5);
  SendMouse(*combo, WM_LBUTTONUP, 0, 90, 5);
  Pump();
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->Focused());
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(changes, 0);
}

}  // namespace
