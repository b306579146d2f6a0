#include "generator/GeneratorWindows.h"

TForm1* Form1 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
