#include "orders/WizardWindows.h"

TMain* Main = nullptr;
TCCOrders* CCOrders = nullptr;
Tfaxorders* faxorders = nullptr;
Tmailorders* mailorders = nullptr;
TPhoneorders* Phoneorders = nullptr;
TPOOrders* POOrders = nullptr;
