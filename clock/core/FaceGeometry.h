#pragma once
// The analog face is drawn from three numbers: its centre and its radius, taken
// once from the window's outer size. Marks, hands and knobs all stand on the
// same angle convention: position 0 straight up, running clockwise over 60
// steps, and every point cut towards zero so the face lands on whole pixels
// exactly where it was designed.
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QList>
#include <QString>
#include <QStringList>

#include "clock/core/TimeUnits.h"

#include <vector>

struct FaceGeometry
{
    int middenX = 0;
    int middenY = 0;
    int straal = 0;
};

// The face is laid out for a tool window's frame; adding a fixed frame to the
// client size keeps the clock in the same place on every desktop.
constexpr int NominaalKaderBreedte = 6;
constexpr int NominaalKaderHoogte = 22;

// One mark per minute; every fifth is an hour's numeral.
constexpr int AantalMerken = 60;
constexpr int MerkenPerUur = AantalMerken / Tijd::UrenOpWijzerplaat;
constexpr bool isUurMerk(int merk) { return merk % MerkenPerUur == 0; }
constexpr int merkVanUur(int uur) { return uur * MerkenPerUur; }

// Hand lengths (centre to end) as offsets below the radius.
constexpr int SecondenLengte = 23;
constexpr int MinutenLengte = 50;
constexpr int UrenLengte = 70;

// Knob centres as offsets below the radius.
constexpr int SecondenKnop = 45;
constexpr int MinutenKnop = 65;
constexpr int UrenKnop = 85;

// The segments the first erase of each hand paints over, before any hand is drawn.
constexpr int EersteSeconden = 23;
constexpr int EersteMinuten = 60;
constexpr int EersteUren = 90;

// A knob is a 15 x 15 circle placed by its top-left corner.
constexpr int KnopStraal = 7;

FaceGeometry geometryFromOuterSize(int outerWidth, int outerHeight);

// Radians for a position on the 60-step scale (hours count as hour x 5).
double positionAngle(double position);

QPoint pointOnClock(const FaceGeometry &g, double angle, int distance);

// With correctie the hour hand moves on half a degree per minute of the
// minute hand's position.
double hourHandAngle(int hour0to11, int standMin, bool correctie);

// Top-left corners of the marks. A "*" caption is a dot; any other caption is
// a numeral, which takes the offsets of its five-minute position or, elsewhere,
// keeps the offsets of the mark before it.
QList<QPoint> placeMarks(const FaceGeometry &g, const QStringList &captions);

// Rectangles that together cover a line from a to b and everything within margin of it.
// A slanting hand dirties a strip along itself instead of its whole bounding box, so fewer
// marks beneath it are painted again at each step of a glide.
std::vector<QRect> lineCover(QPoint a, QPoint b, int margin);

// What must be painted again when a hand drawn with a pen this wide is drawn or erased: the
// cover of the line with room for the pen and its round ends. Less would leave pieces of the
// old hand on the screen.
std::vector<QRect> wijzerStrook(QPoint tip, QPoint midden, int pen);

// The part of the surface, in its own device pixels, that shows in a window rectangle given in
// the window's points: the surface has the screen's pixels, pixelsPerPunt to a point.
QRectF oppervlakStuk(const QRect &venster, qreal pixelsPerPunt);
