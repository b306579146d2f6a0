#pragma once

// The program-wide references of the order wizard's windows, set once at start-up. The pages reach
// the chooser and each other through these; the generator reaches the chooser.
class TMain;
class TCCOrders;
class Tfaxorders;
class Tmailorders;
class TPhoneorders;
class TPOOrders;

extern TMain* Main;
extern TCCOrders* CCOrders;
extern Tfaxorders* faxorders;
extern Tmailorders* mailorders;
extern TPhoneorders* Phoneorders;
extern TPOOrders* POOrders;
