#pragma once

// Exercise logic without widgets. A task is drawn here (trekOpgave) from the
// level, the dial and the notation; the window shows it as digits or turns
// the hands to it. The learner's answer is judged in Judging.h, typed digits
// or hands set, and the timed exercise's result becomes text in ResultText.h.
// Randomness comes in through RandomSource so tests can fix every draw.

#include "exercise/core/Levels.h"

#include <QString>

class RandomSource;

struct TaakInstellingen
{
    Niveau niveau = Niveau::Uren;
    Notatie notatieStijl = NotatieUren;
    bool vierentwintigUren = false;
    bool secondenAan = true;
};

struct Opgave
{
    int uur = 0;
    int min = 0;
    int sec = 0;
};

// Never returns vorigOpgaveUur as the hour. The caller reseeds beforehand.
Opgave trekOpgave(const TaakInstellingen &instellingen, int vorigOpgaveUur, RandomSource &random);

// The half-day hint of a 24-hour task; empty with the 12-hour dial.
QString voorMiddagNaMiddagText(int opgaveUur, bool vierentwintigUren);
