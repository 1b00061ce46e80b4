#include "exercise/core/Boekhouding.h"

#include "exercise/core/Countdown.h"
#include "exercise/core/ResultText.h"

void scoor(Oefening &oefening, bool juist)
{
    oefening.BehaaldePunten += juist ? 1 : 0;
    oefening.MaximumPunten += 1;
}

void wisScore(Oefening &oefening)
{
    oefening.BehaaldePunten = 0;
    oefening.MaximumPunten = 0;
}

void neemOpgave(Oefening &oefening, const Opgave &opgave)
{
    oefening.OpgaveUur = opgave.uur;
    oefening.OpgaveMin = opgave.min;
    oefening.OpgaveSec = opgave.sec;
    oefening.VorigOpgaveUur = opgave.uur;
}

AftelStap aftelStap(const AftelToestand &aftellen, const QDateTime &nu)
{
    AftelStap stap;
    stap.eind = countdownEndAfter(aftellen.EindTijd, aftellen.vorigeMeting, nu);
    stap.tijdOm = nu > stap.eind;
    stap.restMs = stap.tijdOm ? 0 : nu.msecsTo(stap.eind);
    return stap;
}

Uitslag uitslag(const Oefening &oefening, const QLocale &locale)
{
    return {oefening.BehaaldePunten, oefening.MaximumPunten,
            percentageText(oefening.BehaaldePunten, oefening.MaximumPunten, locale)};
}
