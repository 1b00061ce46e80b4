#include "exercise/core/Levels.h"

#include <algorithm>

const QList<NiveauRij> &niveaus()
{
    static const QList<NiveauRij> rijen = {
        {Niveau::Uren, "UrenAan", u"Enkel uren", u"Deze keuze nemen voor het oefenen met gehele uren.",
         60, false, false},
        {Niveau::HalveUren, "HalveUrenAan", u"Enkel halve uren", u"Deze keuze nemen voor het oefenen met halve uren.",
         30, false, true},
        {Niveau::Kwartieren, "KwartierenAan", u"Enkel kwartieren",
         u"Deze keuze nemen voor het oefenen met kwartieren.", 15, false, true},
        {Niveau::Minuten, "MinutenAan", u"Uren+Minuten+Seconden",
         u"Deze keuze nemen voor het oefenen met alle tijden (uren,minuten,seconden).", 1, true, false},
    };
    return rijen;
}

const NiveauRij &niveauRij(Niveau niveau)
{
    const QList<NiveauRij> &rijen = niveaus();
    return *std::find_if(rijen.cbegin(), rijen.cend(), [niveau](const NiveauRij &r) { return r.niveau == niveau; });
}

const QList<NotatieRij> &notaties()
{
    static const QList<NotatieRij> rijen = {
        {NotatieUren, "Notitie1", {75}},
        {NotatieUrenMinuten, "Notitie2", {47, 104}},
        {NotatieUrenMinutenSeconden, "Notitie3", {32, 76, 119}},
    };
    return rijen;
}

const NotatieRij &notatieRij(Notatie notatie)
{
    const QList<NotatieRij> &rijen = notaties();
    const auto gevonden = std::find_if(rijen.cbegin(), rijen.cend(), [notatie](const NotatieRij &r) { return r.notatie == notatie; });
    return gevonden == rijen.cend() ? rijen.front() : *gevonden;
}

Notatie effectiveNotation(Notatie gekozen, Niveau niveau)
{
    if (gekozen == NotatieUren && niveauRij(niveau).vraagtMinuten)
        return NotatieUrenMinuten;
    return gekozen;
}

bool beoordeeltMinuten(Notatie notatie)
{
    return notatie == NotatieUrenMinuten || notatie == NotatieUrenMinutenSeconden;
}

bool beoordeeltSeconden(Notatie notatie)
{
    return notatie == NotatieUrenMinutenSeconden;
}
