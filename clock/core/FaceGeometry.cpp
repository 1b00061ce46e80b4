#include "clock/core/FaceGeometry.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double GradenPerStap = 6.0;
constexpr double GradenPerMinuutCorrectie = 0.5;

constexpr int StraalMarge = 100;
constexpr int CijferInspringing = 10;
constexpr int StipInspringing = 18;

// Offsets of the numerals at minutes 0, 5, ..., 55: they move each caption so
// it sits roughly centred on its point of the circle.
constexpr QPoint CijferOffsets[12] = {
    { 22, 3 },  { 20, 2 },  { 23, 7 },  { 25, 9 },  { 24, 14 }, { 20, 17 },
    { 17, 16 }, { 15, 16 }, { 12, 12 }, { 10, 9 },  { 18, 6 },  { 18, 4 },
};

QPoint dotOffset(int index)
{
    const int dx = index < 30 ? 3 : 4;
    const int dy = (index < 15 || index > 45) ? 5 : 4;
    return { dx, dy };
}

// The cast cuts towards zero: -89.5 becomes -89, as the face was designed.
int cut(double value)
{
    return static_cast<int>(value);
}

} // namespace

FaceGeometry geometryFromOuterSize(int outerWidth, int outerHeight)
{
    FaceGeometry g;
    g.middenX = outerWidth / 4;
    g.middenY = outerHeight / 2 - outerHeight / 20;
    g.straal = g.middenY - StraalMarge;
    return g;
}

double positionAngle(double position)
{
    return (Pi / 180.0 * GradenPerStap) * (-position);
}

QPoint pointOnClock(const FaceGeometry &g, double angle, int distance)
{
    return { g.middenX - cut(std::sin(angle) * distance),
             g.middenY - cut(std::cos(angle) * distance) };
}

double hourHandAngle(int hour0to11, int standMin, bool correctie)
{
    double angle = positionAngle(merkVanUur(hour0to11));
    if (correctie)
        angle -= (Pi / 180.0) * (standMin * GradenPerMinuutCorrectie);
    return angle;
}

QList<QPoint> placeMarks(const FaceGeometry &g, const QStringList &captions)
{
    QList<QPoint> corners(AantalMerken);
    QPoint offset;
    for (int i = 0; i < AantalMerken; ++i) {
        int distance = g.straal - CijferInspringing;
        if (captions[i] == QStringLiteral("*")) {
            offset = dotOffset(i);
            distance = g.straal - StipInspringing;
        } else if (isUurMerk(i)) {
            offset = CijferOffsets[i / MerkenPerUur];
        }
        corners[i] = pointOnClock(g, positionAngle(i), distance) - offset;
    }
    return corners;
}

std::vector<QRect> lineCover(QPoint a, QPoint b, int margin)
{
    // Pieces of at most this many pixels along the line's longer axis: shorter pieces
    // cover less area but give the repaint more rectangles to handle.
    constexpr int Stuk = 32;
    const QPoint d = b - a;
    const int pieces = qMax(1, (qMax(qAbs(d.x()), qAbs(d.y())) + Stuk - 1) / Stuk);
    std::vector<QRect> cover;
    cover.reserve(std::size_t(pieces));
    QPoint from = a;
    for (int k = 1; k <= pieces; ++k) {
        const QPoint to = a + d * k / pieces;
        cover.push_back(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
        from = to;
    }
    return cover;
}

std::vector<QRect> wijzerStrook(QPoint tip, QPoint midden, int pen)
{
    return lineCover(tip, midden, pen / 2 + 2);
}

QRectF oppervlakStuk(const QRect &venster, qreal pixelsPerPunt)
{
    return {QPointF(venster.topLeft()) * pixelsPerPunt, QSizeF(venster.size()) * pixelsPerPunt};
}
