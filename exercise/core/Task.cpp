#include "exercise/core/Task.h"

#include "clock/core/TimeUnits.h"
#include "exercise/core/RandomSource.h"

namespace {

int drawHour(bool vierentwintigUren, int vorigOpgaveUur, RandomSource &random)
{
    const int range = vierentwintigUren ? Tijd::UrenPerDag : Tijd::UrenOpWijzerplaat;
    int uur = 0;
    do {
        uur = random.below(range);
    } while (uur == vorigOpgaveUur);
    return uur;
}

// Whole hours draw nothing for the minutes.
int drawMinute(Niveau niveau, RandomSource &random)
{
    const int stap = niveauRij(niveau).minutenStap;
    if (stap >= Tijd::MinutenPerUur)
        return 0;
    return stap * random.below(Tijd::MinutenPerUur / stap);
}

} // namespace

Opgave trekOpgave(const TaakInstellingen &instellingen, int vorigOpgaveUur, RandomSource &random)
{
    Opgave opgave;
    opgave.uur = drawHour(instellingen.vierentwintigUren, vorigOpgaveUur, random);
    opgave.min = drawMinute(instellingen.niveau, random);
    if (instellingen.secondenAan && niveauRij(instellingen.niveau).seconden)
        opgave.sec = random.below(Tijd::SecondenPerMinuut);

    // Drawn first and dropped afterwards, so the draws do not depend on the notation. Before
    // the first start there is no notation yet, and nothing is dropped.
    if (instellingen.notatieStijl == NotatieUren) {
        opgave.min = 0;
        opgave.sec = 0;
    } else if (instellingen.notatieStijl == NotatieUrenMinuten) {
        opgave.sec = 0;
    }
    return opgave;
}

QString voorMiddagNaMiddagText(int opgaveUur, bool vierentwintigUren)
{
    if (!vierentwintigUren)
        return {};
    return opgaveUur >= Tijd::MiddagUur ? QStringLiteral("In de namiddag")
                                           : QStringLiteral("In de voormiddag");
}
