#pragma once
// How each hand looks, decided from the exercise state alone: its colour and whether its
// knob shows, and for the seconds hand also whether it shows at all. The drawing code asks
// these rules and draws what they say.
#include "app/core/Names.h"
#include "exercise/core/Levels.h"

// Weg: drawn in the face's own colour, so the hand is not seen.
enum class HandKleur { Zwart, Geel, Groen, Rood, Weg };

// What the rules read of the exercise.
struct WijzerStand
{
    int oefenType = GeenOefening;
    int zetModus = 0;           // 1: a hand is picked up
    int gekozenWijzer = GeenWijzer;
    bool toonControle = false;  // "?" is held down
};

struct HandBeeld
{
    HandKleur kleur = HandKleur::Zwart;
    bool knop = false;
};

// Knobs show while the learner sets the hands; the picked-up hand is yellow; while "?" is
// held in the analog-to-digital exercise each hand is green when its part was typed right
// and red when wrong.
HandBeeld handBeeld(Wijzer wijzer, bool fout, const WijzerStand &stand);

// What the seconds hand does when drawn at position s.
struct SecondenBeeld
{
    bool getekend = false;      // a line is drawn (in kleur, Weg included)
    int richting = 0;           // the position the line and the knob point at
    int stand = 0;              // the position kept as StandSec
    HandBeeld beeld;
    bool volgtS = false;        // the hand's end point and GezetSec follow s
    bool veldVerbergen = false; // the seconds answer field is hidden
};

// With the seconds hand switched on it points at s, unless the level has no seconds in the
// analog-to-digital exercise: then it shows black only while the choice panel does, and
// otherwise hides at 0 together with its field. Setting the hands with a notation without
// seconds parks it, hidden, at 0.
SecondenBeeld secondenBeeld(int s, bool secondenAan, Niveau niveau, Notatie notatie, bool keuzePaneelZichtbaar,
                            bool fout, const WijzerStand &stand);

// In the digital-to-analog exercise the live clock stands still while the learner sets the
// hands, and ticks on while the choice panel shows; elsewhere it always ticks.
bool liveKlokTikt(int oefenType, bool keuzePaneelZichtbaar);
