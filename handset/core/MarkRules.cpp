#include "handset/core/MarkRules.h"

#include "app/core/Names.h"

#include <cmath>

std::optional<int> merkBijPunt(const FaceGeometry &g, QPoint punt, int wijzer)
{
    const double dx = punt.x() - g.middenX;
    const double dy = g.middenY - punt.y();
    const double afstand = std::hypot(dx, dy);
    if (afstand < g.straal - RingBinnenOnderStraal || afstand > g.straal + RingBuitenBovenStraal)
        return std::nullopt;
    // Position 0 straight up, running clockwise, as the marks stand: one position per step of
    // the marks' angle.
    const double positie = std::atan2(dx, dy) / -positionAngle(1);
    const int stap = wijzer == UurWijzer ? MerkenPerUur : 1;
    const long merk = std::lround(positie / stap) * stap;
    return int((merk % AantalMerken + AantalMerken) % AantalMerken);
}
