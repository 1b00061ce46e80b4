#pragma once
// Which mark a point near the face counts as, for a hand picked up: the nearest mark the hand
// may take, when the point lies on the ring of marks. A point is then always within half the
// distance to the next such mark of the one it counts as. The hour hand takes only the twelve
// hour marks; the minute and seconds hands take every mark.
#include "clock/core/FaceGeometry.h"

#include <QPoint>
#include <optional>

// The ring of marks, in pixels from the centre: from outside the knobs' reach to just past
// the numerals.
constexpr int RingBinnenOnderStraal = 30;
constexpr int RingBuitenBovenStraal = 6;

std::optional<int> merkBijPunt(const FaceGeometry &g, QPoint punt, int wijzer);

// Whether a picked-up hand may land on a mark, and where it then stands: the hour hand only
// on the twelve hour marks, at their hour (mark 0, the 12, is hour 0); the minute and seconds
// hands on every mark, at the mark itself.
bool magOpMerk(int wijzer, int merk);
int standOpMerk(int wijzer, int merk);

// The mark a picked-up hand moves to on one arrow key: the next mark it may take, one minute
// for the minute and seconds hands and one hour for the hour hand, round past the 12 either way.
// richting: +1 clockwise, -1 back.
int merkNaStap(int merk, int wijzer, int richting);
