#include "guide/core/HelpTexts.h"

#include "app/core/Names.h"
#include "exercise/core/Levels.h"

#include <QStringView>

namespace {

// One row per handler; a handler may serve several controls (names separated by spaces).
struct FixedText
{
    const char16_t *controls;
    const char16_t *text;
};

constexpr FixedText fixedTexts[] = {
    {u"Form1 Instellingen Panel2", u""},
    {u"ADOefening Panel5 KeuzePaneel Panel6 Panel7", u""},
    {u"Image4", u"\rHet programma beëindigen."},
    {u"Image1", u"Info."},
    {u"Label4", u"Al de timer gebruikt word, hier het aantal minuten invullen, waarna een \"startknop\" verschijnt."},
    {u"TimerMinuten",
     u"Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
     u"Als deze waarde groter is dan \"0\", verschijnt boven de oefening een startknop om de timer starten.\r"
     u"Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening.\r"
     u"Gebruik de resetknop om het programma te herstellen."},
    {u"TwaalfUren", u"Aangevinkt wordt gewerkt met een 12-uren klok."},
    {u"VierentwintigUren", u"Aangevinkt wordt gewerkt met een 24-uren klok."},
    {u"SecondenAan", u"Secondenwijzer in/uit schakelen."},
    {u"WijzerCorrectie",
     u"Uitgevinkt blijft de uurwijzer op het exacte uur staan.\r"
     u"Aangevinkt wordt de stand van de uurwijzer gecorrigeerd volgens het aantal minuten."},
    {u"VraagtekenAan",
     u"Aangevinkt, verschijnt tijdens de oefening een knop met een vraagteken. Als je hierop duwt, "
     u"dan krijg je te zien of de opdracht goed is ingevuld.\r"
     u"Groen = goed ingevuld.\r"
     u"Rood = fout ingevuld."},
    {u"ADKnop1", u"Terugkeren naar het menu om de instellingen voor de oefening aan te passen."},
    {u"Cijfers", u"Aangevinkt worden de uren aangegeven met gewone cijfers."},
    {u"Punten", u"Aangevinkt worden de uren aangegeven zonder cijfers."},
    {u"Romeins", u"Aangevinkt worden de uren aangegeven met Romeinse cijfers."},
    {u"Button1",
     u"Gebruik deze optie om hulpmiddeltjes in de analoge klok zichtbaar/onzichtbaar te maken (24 urenklok)"},
    {u"Button2", u"Gebruik deze optie om de minuten in de analoge klok zichtbaar/onzichtbaar te maken"},
    {u"Label6", u"Dit is het totaal aantal behaalde punten."},
    {u"Label8", u"Het maximum aantal punten."},
    {u"Startknop", u"De timer-oefening starten."},
    {u"OKKnop1", u"Het programma terug herstellen."},
    {u"KlokVenster", u"De aftelklok van de timer-oefening."},
    {u"DigitaalAnaloog", u"Omzetten van digitaal naar analoog."},
    {u"AnaloogDigitaal", u"Omzetten van analoog naar digitaal."},
    {u"DigiKlok", u"Digitale klok."},
    {u"Notitie1 Notitie2 Notitie3", u"De notitiestijl is de wijze waarop de invoer moet gebeuren."},
    {u"KeuzePaneelTerugKnop", u"Terug naar het startmenu."},
    {u"KeuzePaneelOkKnop", u"Start de oefening met de ingestelde parameters."},
    {u"Memo1", u"Info in verband met de instellingen."},
    {u"ADControleKnop",
     u"Deze knop ingedrukt houden om te zien of je de opgave juist hebt ingevuld.\r"
     u"Achtergrond \"groen\" = goed.\r"
     u"Achtergrond  \"rood\" = fout."},
    {u"ADOkKnop", u"Via deze knop ga je naar de volgende opgave en de punten worden aangepast."},
    {u"ADStopKnop", u"Deze knop stopt de huidige oefening, maar... de behaalde punten blijven zichtbaar."},
};

bool servesControl(const FixedText &row, const QString &controlName)
{
    for (QStringView name : QStringView(row.controls).tokenize(u' '))
        if (name == controlName)
            return true;
    return false;
}

std::optional<QString> fixedTextFor(const QString &controlName)
{
    // Each level's radio button explains its level.
    for (const NiveauRij &niveau : niveaus())
        if (controlName == QLatin1String(niveau.knop))
            return QString::fromUtf16(niveau.help);
    for (const FixedText &row : fixedTexts)
        if (servesControl(row, controlName))
            return QString::fromUtf16(row.text);
    return std::nullopt;
}

// The answer fields and the knobs explain the task the other way round in each
// exercise; outside an exercise they leave the strip alone.
std::optional<QString> perExercise(int oefenType, const char16_t *analoogNaarDigitaal,
                                   const char16_t *digitaalNaarAnaloog)
{
    if (oefenType == AnaloogNaarDigitaal)
        return QString::fromUtf16(analoogNaarDigitaal);
    if (oefenType == DigitaalNaarAnaloog)
        return QString::fromUtf16(digitaalNaarAnaloog);
    return std::nullopt;
}

std::optional<QString> uurInvoerVeldText(int oefenType)
{
    return perExercise(oefenType, u"Hier moet het juiste uur van de opdracht worden ingevuld.",
                       u"De uurwijzer moet op dit uur geplaatst worden.");
}

std::optional<QString> minInvoerVeldText(int oefenType)
{
    return perExercise(oefenType, u"Hier moet het juist aantal minuten van de opdracht worden ingevuld.",
                       u"De minutenwijzer moet op dit aantal minuten geplaatst worden.");
}

std::optional<QString> secInvoerVeldText(int oefenType)
{
    return perExercise(oefenType, u"Hier moet het juist aantal seconden van de opdracht worden ingevuld.",
                       u"De secondenwijzer moet op dit aantal seconden geplaatst worden.");
}

std::optional<QString> wijzerKnopText(int oefenType)
{
    return perExercise(oefenType,
                       u"De Klok is de opdracht\r"
                       u"Vul de stand van uurwijzer/minutenwijzer/secondenwijzer in, in de daarvoor voorziene velden.",
                       u"Om de wijzers te verplaatsen :\r"
                       u"1) Een muisklik op het cirkeltje selecteert de betreffende wijzer (de wijzer wordt geel).\r"
                       u"2) Wijs met de muiscursor het gewenste punt (op de klokverdeling) aan "
                       u"(de wijzer richt zich hierop)\r"
                       u"3) Klik op dit punt om de wijzer vast te zetten.");
}

// The morning/afternoon label only shows in this one case; otherwise the strip
// gets a single space, not an empty text.
QString voorMiddagNaMiddagText(int oefenType, bool vierentwintigUren)
{
    if (oefenType == AnaloogNaarDigitaal && vierentwintigUren)
        return QStringLiteral("Dit is een indicatie die enkel te zien is tijdens het werken met een 24u- klok.\r"
                              "Voormiddag = 00:00:00 tot 11:59:59.\r"
                              "Namiddag = 12:00:00 tot 23:59:59.");
    return QStringLiteral(" ");
}

} // namespace

std::optional<QString> helpTextFor(const QString &controlName, int oefenType, bool vierentwintigUren)
{
    if (controlName == u"UurInvoerVeld")
        return uurInvoerVeldText(oefenType);
    if (controlName == u"MinInvoerVeld")
        return minInvoerVeldText(oefenType);
    if (controlName == u"SecInvoerVeld")
        return secInvoerVeldText(oefenType);
    if (controlName == u"UurWijzerKnop" || controlName == u"MinutenWijzerKnop"
        || controlName == u"SecondenWijzerKnop")
        return wijzerKnopText(oefenType);
    if (controlName == u"VoorMiddagNaMiddag")
        return voorMiddagNaMiddagText(oefenType, vierentwintigUren);
    return fixedTextFor(controlName);
}
