#include "app/Unit1.h"
TForm1::TForm1() = default;
