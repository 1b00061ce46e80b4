#include "handset/core/MarkRules.h"

#include "app/core/Names.h"

#include <cmath>

namespace {
int stapVan(int wijzer)
{
    return wijzer == UurWijzer ? MerkenPerUur : 1;
}

int rondDeKlok(long merk)
{
    return int((merk % AantalMerken + AantalMerken) % AantalMerken);
}
}

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
    const int stap = stapVan(wijzer);
    return rondDeKlok(std::lround(positie / stap) * stap);
}

bool magOpMerk(int wijzer, int merk)
{
    return merk >= 0 && merk < AantalMerken && merk % stapVan(wijzer) == 0;
}

int standOpMerk(int wijzer, int merk)
{
    return merk / stapVan(wijzer);
}

int merkNaStap(int merk, int wijzer, int richting)
{
    const int stap = stapVan(wijzer);
    return rondDeKlok(long(merk / stap + richting) * stap);
}
