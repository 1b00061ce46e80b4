#pragma once
// The four levels of an exercise and the three answer notations, each in one table that
// task drawing, run control, the memo, the help strip and the hand rules all read. A new
// level is a row here, a radio button in the choice panel and nothing more.
#include <QList>
#include <QString>

enum class Niveau { Uren, HalveUren, Kwartieren, Minuten };

struct NiveauRij
{
    Niveau niveau;
    const char *knop;      // the radio button that chooses it
    const char16_t *tekst; // its caption, also the memo's second line
    const char16_t *help;  // the help strip over that radio button
    int minutenStap;       // tasks fall on multiples of this many minutes; 60: whole hours only
    bool seconden;         // tasks have seconds, and the seconds hand shows them
    bool vraagtMinuten;    // hours alone cannot show its times, so hours-only notation is not enough
};

const QList<NiveauRij> &niveaus();
const NiveauRij &niveauRij(Niveau niveau);

// NotatieStijl: which parts of the time the learner answers.
enum Notatie : int {
    GeenNotatie = 0,
    NotatieUren = 1,
    NotatieUrenMinuten = 2,
    NotatieUrenMinutenSeconden = 3,
};

struct NotatieRij
{
    Notatie notatie;
    const char *knop;      // the radio button that chooses it
    QList<int> veldLinks;  // where each answer field in use stands, hours first
};

const QList<NotatieRij> &notaties();
const NotatieRij &notatieRij(Notatie notatie);

// Hours alone cannot show half hours or quarters: hours-only becomes hours and minutes.
Notatie effectiveNotation(Notatie gekozen, Niveau niveau);
bool beoordeeltMinuten(Notatie notatie);
bool beoordeeltSeconden(Notatie notatie);
