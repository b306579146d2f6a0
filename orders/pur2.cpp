#include "orders/pur2.h"

#include "core/OrderTexts.h"
#include "framework/Label.h"
#include "orders/WizardWindows.h"
#include "orders/pur1.h"

// The credit-card page also tells the long product name, as the chooser's title shows it.
void TCCOrders::FormShow(ui::TObject* sender) {
  info->SetCaption(core::OrderTexts::CreditCardInfo(Main->Label2->Caption()));
  TOrderPage::FormShow(sender);
}
