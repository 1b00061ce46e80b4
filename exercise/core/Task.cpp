#include "exercise/core/Task.h"

#include "exercise/core/RandomSource.h"

namespace {

constexpr int hoursOnTwelveHourDial = 12;
constexpr int hoursOnTwentyFourHourDial = 24;
constexpr int minutesPerHour = 60;
constexpr int secondsPerMinute = 60;
constexpr int firstAfternoonHour = 12;

int drawHour(bool vierentwintigUren, int vorigOpgaveUur, RandomSource &random)
{
    const int range = vierentwintigUren ? hoursOnTwentyFourHourDial : hoursOnTwelveHourDial;
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
    if (stap >= minutesPerHour)
        return 0;
    return stap * random.below(minutesPerHour / stap);
}

} // namespace

Opgave trekOpgave(const TaakInstellingen &instellingen, int vorigOpgaveUur, RandomSource &random)
{
    Opgave opgave;
    opgave.uur = drawHour(instellingen.vierentwintigUren, vorigOpgaveUur, random);
    opgave.min = drawMinute(instellingen.niveau, random);
    if (instellingen.secondenAan && niveauRij(instellingen.niveau).seconden)
        opgave.sec = random.below(secondsPerMinute);

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
    return opgaveUur >= firstAfternoonHour ? QStringLiteral("In de namiddag")
                                           : QStringLiteral("In de voormiddag");
}
