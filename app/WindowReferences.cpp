#include "app/WindowReferences.h"

TForm1* Form1 = nullptr;
TForm3* Form3 = nullptr;
TMain* Main = nullptr;
TCCOrders* CCOrders = nullptr;
Tfaxorders* faxorders = nullptr;
Tmailorders* mailorders = nullptr;
TPhoneorders* Phoneorders = nullptr;
TPOOrders* POOrders = nullptr;
