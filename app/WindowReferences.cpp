#include "app/WindowReferences.h"

TForm1* Form1 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TMain* Main = nullptr;
TCCOrders* CCOrders = nullptr;
Tfaxorders* faxorders = nullptr;
Tmailorders* mailorders = nullptr;
TPhoneorders* Phoneorders = nullptr;
TPOOrders* POOrders = nullptr;
