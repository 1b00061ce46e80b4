#pragma once
// What a screen reader says about the clock and the answers, in the words a child learns:
// where a hand stands ("op 7", "tussen 7 en 8", "2 streepjes na de 6"), never the time in
// digits, which is what the child is to work out.
#include "app/core/Names.h"

#include <QString>
#include <QStringList>
#include <array>

// Where one hand stands. The hour hand stands between two numerals when it follows the
// minutes; the minute and seconds hands stand on a numeral or a number of marks past one.
QString wijzerWoorden(Wijzer wijzer, int stand, int standMin, bool uurwijzerCorrectie);

// The face: "kleine wijzer tussen 7 en 8, grote wijzer op 6", and the seconds hand when it shows.
QString wijzerplaatWoorden(int uur, int min, int sec, bool uurwijzerCorrectie, bool secondenwijzer);

// One part of an answer as judged: whether it was judged at all, whether it was wrong, and
// the right value where the window shows it (empty where it does not).
struct Antwoorddeel
{
    bool beoordeeld = false;
    bool fout = false;
    QString juist;
};

// "Goed." or what was wrong, hours first: "Niet goed: het uur is 7, de minuten zijn 30."
QString oordeelWoorden(const std::array<Antwoorddeel, 3> &delen);
