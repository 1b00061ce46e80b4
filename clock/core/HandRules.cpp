#include "clock/core/HandRules.h"

HandBeeld handBeeld(Wijzer wijzer, bool fout, const WijzerStand &stand)
{
    HandBeeld beeld;
    beeld.knop = stand.oefenType == DigitaalNaarAnaloog;
    if (stand.oefenType == AnaloogNaarDigitaal && stand.toonControle)
        beeld.kleur = fout ? HandKleur::Rood : HandKleur::Groen;
    else if (stand.oefenType == DigitaalNaarAnaloog && stand.zetModus == 1 && stand.gekozenWijzer == wijzer)
        beeld.kleur = HandKleur::Geel;
    return beeld;
}

SecondenBeeld secondenBeeld(int s, bool secondenAan, Niveau niveau, Notatie notatie, bool keuzePaneelZichtbaar,
                            bool fout, const WijzerStand &stand)
{
    SecondenBeeld seconden;
    seconden.stand = s;
    seconden.beeld.kleur = HandKleur::Weg;
    if (secondenAan) {
        seconden.volgtS = true;
        seconden.getekend = true;
        seconden.richting = s;
        seconden.beeld = handBeeld(SecondenWijzer, fout, stand);
        if (stand.oefenType == AnaloogNaarDigitaal && !niveauRij(niveau).seconden) {
            seconden.beeld = {keuzePaneelZichtbaar ? HandKleur::Zwart : HandKleur::Weg, false};
            if (!keuzePaneelZichtbaar)
                seconden.stand = 0;
            seconden.veldVerbergen = true;
        }
    }
    const bool zonderSeconden = notatie == NotatieUren || notatie == NotatieUrenMinuten;
    if (stand.oefenType == DigitaalNaarAnaloog && zonderSeconden && !keuzePaneelZichtbaar) {
        seconden.beeld = {HandKleur::Weg, false};
        seconden.getekend = true;
        seconden.richting = 0;
        seconden.stand = 0;
    }
    return seconden;
}

bool liveKlokTikt(int oefenType, bool keuzePaneelZichtbaar)
{
    return oefenType != DigitaalNaarAnaloog || keuzePaneelZichtbaar;
}
