#include "exercise/Task.h"

#include "exercise/RandomSource.h"

namespace {

constexpr int hoursOnTwelveHourDial = 12;
constexpr int hoursOnTwentyFourHourDial = 24;
constexpr int minutesPerHour = 60;
constexpr int secondsPerMinute = 60;
constexpr int halfHour = 30;
constexpr int halvesPerHour = 2;
constexpr int quarterHour = 15;
constexpr int quartersPerHour = 4;
constexpr int firstAfternoonHour = 12;
constexpr int hoursOnlyNotation = 1;
constexpr int hoursAndMinutesNotation = 2;

int drawHour(bool vierentwintigUren, int vorigOpgaveUur, RandomSource &random)
{
    const int range = vierentwintigUren ? hoursOnTwentyFourHourDial : hoursOnTwelveHourDial;
    int uur = 0;
    do {
        uur = random.below(range);
    } while (uur == vorigOpgaveUur);
    return uur;
}

int drawMinute(Niveau niveau, RandomSource &random)
{
    switch (niveau) {
    case Niveau::Uren:
        return 0;
    case Niveau::HalveUren:
        return halfHour * random.below(halvesPerHour);
    case Niveau::Kwartieren:
        return quarterHour * random.below(quartersPerHour);
    case Niveau::Minuten:
        return random.below(minutesPerHour);
    }
    return 0;
}

} // namespace

Opgave trekOpgave(const TaakInstellingen &instellingen, int vorigOpgaveUur, RandomSource &random)
{
    Opgave opgave;
    opgave.uur = drawHour(instellingen.vierentwintigUren, vorigOpgaveUur, random);
    opgave.min = drawMinute(instellingen.niveau, random);
    if (instellingen.secondenAan && instellingen.niveau == Niveau::Minuten)
        opgave.sec = random.below(secondsPerMinute);

    // Drawn first and dropped afterwards, so the draws do not depend on the notation.
    if (instellingen.notatieStijl == hoursOnlyNotation) {
        opgave.min = 0;
        opgave.sec = 0;
    } else if (instellingen.notatieStijl == hoursAndMinutesNotation) {
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

int effectiveNotation(int chosenNotation, Niveau niveau)
{
    const bool needsMinutes = niveau == Niveau::HalveUren || niveau == Niveau::Kwartieren;
    if (chosenNotation == hoursOnlyNotation && needsMinutes)
        return hoursAndMinutesNotation;
    return chosenNotation;
}
