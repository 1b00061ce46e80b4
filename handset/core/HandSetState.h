#pragma once
// Setting the hands with the mouse: whether a hand is picked up, which, and the minute mark
// the pointer last passed.
#include "app/core/Names.h"

struct WijzerZetten
{
    int ZetModus = 0; // 1: a hand is picked up
    int GekozenWijzer = GeenWijzer;
    int AangewezenMinuut = 0;
};
