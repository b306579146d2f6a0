#pragma once

// The program-wide references of the generator's windows, set once at start-up.
class TForm1;
class TForm3;
class TForm4;

extern TForm1* Form1;
extern TForm3* Form3;
extern TForm4* Form4;
