#pragma once

// The program-wide reference of each window, set once at start-up. Windows reach each other only
// through these.
class TForm1;
class TForm3;
class TForm4;
class TMain;
class TCCOrders;
class Tfaxorders;
class Tmailorders;
class TPhoneorders;
class TPOOrders;

extern TForm1* Form1;
extern TForm3* Form3;
extern TForm4* Form4;
extern TMain* Main;
extern TCCOrders* CCOrders;
extern Tfaxorders* faxorders;
extern Tmailorders* mailorders;
extern TPhoneorders* Phoneorders;
extern TPOOrders* POOrders;
