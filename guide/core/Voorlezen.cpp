#include "guide/core/Voorlezen.h"

#include "clock/core/FaceGeometry.h"

namespace {
// The numeral at an hour mark: the 12 stands at the top.
int cijferBij(int merk)
{
    const int cijfer = merk / MerkenPerUur % 12;
    return cijfer == 0 ? 12 : cijfer;
}

QString streepjesNa(int merk)
{
    const int na = merk % MerkenPerUur;
    const QString cijfer = QString::number(cijferBij(merk));
    if (na == 0)
        return QStringLiteral("op ") + cijfer;
    return QStringLiteral("%1 %2 na de %3").arg(na).arg(na == 1 ? QStringLiteral("streepje") : QStringLiteral("streepjes"), cijfer);
}
}

QString wijzerWoorden(Wijzer wijzer, int stand, int standMin, bool uurwijzerCorrectie)
{
    if (wijzer != UurWijzer)
        return streepjesNa(stand % AantalMerken);
    const int merk = merkVanUur(stand % 12);
    if (!uurwijzerCorrectie || standMin % AantalMerken == 0)
        return QStringLiteral("op ") + QString::number(cijferBij(merk));
    return QStringLiteral("tussen %1 en %2").arg(cijferBij(merk)).arg(cijferBij(merk + MerkenPerUur));
}

QString wijzerplaatWoorden(int uur, int min, int sec, bool uurwijzerCorrectie, bool secondenwijzer)
{
    QString woorden = QStringLiteral("kleine wijzer ") + wijzerWoorden(UurWijzer, uur, min, uurwijzerCorrectie)
                      + QStringLiteral(", grote wijzer ") + wijzerWoorden(MinutenWijzer, min, min, uurwijzerCorrectie);
    if (secondenwijzer)
        woorden += QStringLiteral(", secondewijzer ") + wijzerWoorden(SecondenWijzer, sec, min, uurwijzerCorrectie);
    return woorden;
}

QString oordeelWoorden(const std::array<Antwoorddeel, 3> &delen)
{
    static const std::array<std::pair<const char *, const char *>, 3> namen = {{
        {"het uur", "is"}, {"de minuten", "zijn"}, {"de seconden", "zijn"}}};
    QStringList fout;
    for (std::size_t i = 0; i < delen.size(); ++i) {
        if (!delen[i].beoordeeld || !delen[i].fout)
            continue;
        QString deel = QString::fromLatin1(namen[i].first);
        if (!delen[i].juist.isEmpty())
            deel += QLatin1Char(' ') + QString::fromLatin1(namen[i].second) + QLatin1Char(' ') + delen[i].juist;
        fout.append(deel);
    }
    if (fout.isEmpty())
        return QStringLiteral("Goed.");
    return QStringLiteral("Niet goed: ") + fout.join(QStringLiteral(", ")) + QLatin1Char('.');
}
