#pragma once
// The analog clock's state: where the face is, where each hand was last drawn and to which
// value, whether the live clock moves the hands, and the hand animation under way.
#include <QPoint>
#include <QtGlobal>

// Where the three hands point: the hour 0..23 (the hour hand folds it to 0..11), the minute
// and the second.
struct Wijzerstand
{
    int uur = 0;
    int min = 0;
    int sec = 0;
};

struct KlokToestand
{
    int MiddenX = 0; // centre of the face in the window's client coordinates
    int MiddenY = 0;
    int Straal = 0;
    quint16 StandUur = 0; // where each hand was last drawn: 0..11, 0..59, 0..59
    quint16 StandMin = 0;
    quint16 StandSec = 0;
    QPoint UurEindpunt; // the outer end of each hand as last drawn
    QPoint MinEindpunt;
    QPoint SecEindpunt;
    int GezetUur = 0; // the values last passed to the hand drawing: the learner's setting
    int GezetMin = 0;
    int GezetSec = 0;
    bool KlokLoopt = false; // the live tick also moves the hands
    int AnimUur = 0;        // the hand animation's positions and its hour target
    int AnimMin = 0;
    int AnimSec = 0;
    int AnimDoelUur = 0;
};
