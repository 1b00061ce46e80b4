#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

#include <initializer_list>

namespace {

constexpr QSize stopSize(228, 100);
constexpr int glyphSize = 18;
constexpr int iconDesignSize = 32;  // the portrait is drawn in these units
constexpr int clockDesignSize = 48; // the clock icon is drawn in these units
constexpr int iconSizes[] = {16, 32, 48}; // larger sizes are scaled from 48 when a desktop asks

const QColor stopRed(230, 0, 0);
const QColor stopOutline(64, 0, 0);
const QColor arrowViolet(0x80, 0x00, 0xFF);
const QColor disabledGrey(128, 128, 128);

// A square picture drawn in design units, smoothly, on a transparent background.
template <typename Picture, typename Paint>
Picture iconPicture(Picture picture, int designSize, Paint paint)
{
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(qreal(picture.width()) / designSize, qreal(picture.height()) / designSize);
        paint(p);
    }
    return picture;
}

// Maps a rectangle onto the target rectangle exactly.
QTransform fitting(const QRectF &from, const QRectF &target)
{
    QTransform t;
    t.translate(target.left(), target.top());
    t.scale(target.width() / from.width(), target.height() / from.height());
    t.translate(-from.left(), -from.top());
    return t;
}

// The serifs: short bars across the ends of the strokes, as a serif capital has them.
QList<QPainterPath> stopSerifs()
{
    constexpr qreal thin = 8;
    const QRectF bars[] = {
        {55, 8, thin, 30},   // S, upper end
        {-3, 62, thin, 30},  // S, lower end
        {72, 0, thin, 34},   // T, left end of the bar
        {128, 0, thin, 34},  // T, right end of the bar
        {82, 92, 44, thin},  // T, foot of the stem
        {220, 0, 32, thin},  // P, top of the stem
        {219, 92, 44, thin}, // P, foot of the stem
    };
    QList<QPainterPath> serifs;
    for (const QRectF &bar : bars) {
        QPainterPath serif;
        serif.addRect(bar);
        serifs.append(serif);
    }
    return serifs;
}

// The letters S, T, O and P as bold strokes with serifs, 100 units high, drawn without a
// font so that start-up loads no serif font and shapes no text for them.
QList<QPainterPath> stopLetters()
{
    constexpr qreal stroke = 22;
    QPainterPath s(QPointF(52, 30));
    s.cubicTo(52, 17, 42, 11, 30, 11);
    s.cubicTo(18, 11, 10, 18, 10, 29);
    s.cubicTo(10, 42, 22, 46, 30, 50);
    s.cubicTo(40, 54, 50, 58, 50, 71);
    s.cubicTo(50, 82, 42, 89, 30, 89);
    s.cubicTo(18, 89, 8, 83, 8, 70);

    QPainterPath tBar(QPointF(72, 11));
    tBar.lineTo(136, 11);
    QPainterPath tStem(QPointF(104, 11));
    tStem.lineTo(104, 100);

    QPainterPath o;
    o.addEllipse(QPointF(183, 50), 35 - stroke / 2, 50 - stroke / 2);

    QPainterPath pStem(QPointF(241, 0));
    pStem.lineTo(241, 100);
    QPainterPath pBowl(QPointF(241, 11));
    pBowl.lineTo(262, 11);
    pBowl.cubicTo(280, 11, 288, 20, 288, 32);
    pBowl.cubicTo(288, 45, 280, 54, 262, 54);
    pBowl.lineTo(241, 54);

    QPainterPathStroker pen;
    pen.setWidth(stroke);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    QList<QPainterPath> outlines;
    for (const QPainterPath &line : {s, tBar, tStem, o, pStem, pBowl})
        outlines.append(pen.createStroke(line));
    return outlines + stopSerifs();
}

} // namespace

QImage stopPicture()
{
    QImage image(stopSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(stopOutline, 4));
    p.setBrush(stopRed);
    p.drawRoundedRect(QRectF(2, 2, 224, 96), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(22, 79, 184, 8));
    // Each stroke is filled on its own, so where two cross no hole appears.
    const QList<QPainterPath> letters = stopLetters();
    QRectF bounds;
    for (const QPainterPath &stroke : letters)
        bounds |= stroke.boundingRect();
    p.setTransform(fitting(bounds, QRectF(22, 12, 184, 60)));
    for (const QPainterPath &stroke : letters)
        p.drawPath(stroke);
    return image;
}

namespace {

void paintPortraitFrame(QPainter &p)
{
    p.setPen(QPen(QColor(110, 60, 20), 1));
    p.setBrush(QColor(214, 150, 60));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 7, 7);
    p.setBrush(QColor(180, 225, 255));
    p.drawRoundedRect(QRectF(5.5, 5.5, 21, 21), 4, 4);
}

void paintPortraitBust(QPainter &p)
{
    QPainterPath inside;
    inside.addRoundedRect(QRectF(6, 6, 20, 20), 3.5, 3.5);
    p.setClipPath(inside);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 210));
    p.drawEllipse(QRectF(7, 20.5, 18, 14));
    p.setBrush(QColor(120, 70, 30));
    p.drawEllipse(QRectF(9.5, 7, 13, 12));
    p.setBrush(QColor(245, 200, 160));
    p.drawEllipse(QRectF(11, 10, 10, 11.5));
    p.setClipping(false);
}

void paintPortraitFace(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(13.5, 14.5), 1, 1);
    p.drawEllipse(QPointF(18.5, 14.5), 1, 1);
    p.setPen(QPen(QColor(170, 30, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13.5, 15, 5, 3.5), 210 * 16, 120 * 16);
}

} // namespace

QPixmap portraitIcon(int size)
{
    return iconPicture(QPixmap(size, size), iconDesignSize, [](QPainter &p) {
        paintPortraitFrame(p);
        paintPortraitBust(p);
        paintPortraitFace(p);
    });
}

namespace {

// A point at distance `length` from the centre, `minutes` on the 60-step dial.
QPointF dialPoint(qreal minutes, qreal length)
{
    const qreal angle = qDegreesToRadians(minutes * 6);
    const qreal middle = clockDesignSize / 2.0;
    return {middle + qSin(angle) * length, middle - qCos(angle) * length};
}

void paintDial(QPainter &p)
{
    p.setPen(QPen(QColor(230, 0, 200), 4));
    p.setBrush(QColor(170, 220, 255));
    p.drawEllipse(QPointF(24, 24), 21, 21);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
    for (int hour = 0; hour < 12; ++hour)
        p.drawLine(dialPoint(hour * 5, 13.5), dialPoint(hour * 5, 18.5));
}

void paintHands(QPainter &p)
{
    constexpr qreal fivePastFiveHour = 5 * 5 + 5.0 / 12;
    constexpr qreal fivePastFiveMinute = 5;
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dialPoint(0, 0), dialPoint(fivePastFiveHour, 10));
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dialPoint(0, 0), dialPoint(fivePastFiveMinute, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(24, 24), 2.5, 2.5);
}

} // namespace

QIcon portraitWindowIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(portraitIcon(size));
    return icon;
}

QImage clockIcon(int size)
{
    return iconPicture(QImage(size, size, QImage::Format_ARGB32_Premultiplied), clockDesignSize, [](QPainter &p) {
        paintDial(p);
        paintHands(p);
    });
}

namespace {

// One coloured part of a glyph; a shadow colour paints it once more, offset, beneath.
struct Ink
{
    QPainterPath shape;
    QColor colour;
    QColor shadow = Qt::transparent;
};

QPainterPath strokes(std::initializer_list<QPolygonF> lines, qreal width, Qt::PenCapStyle cap)
{
    QPainterPath centre;
    for (const QPolygonF &line : lines)
        centre.addPolygon(line);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

QPixmap glyphCanvas()
{
    QPixmap pixmap(glyphSize, glyphSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap normalGlyph(const QList<Ink> &inks)
{
    QPixmap pixmap = glyphCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const Ink &ink : inks) {
        p.setBrush(ink.shadow);
        p.drawPath(ink.shape.translated(1, 1));
    }
    for (const Ink &ink : inks) {
        p.setBrush(ink.colour);
        p.drawPath(ink.shape);
    }
    return pixmap;
}

QPixmap disabledGlyph(const QList<Ink> &inks)
{
    QPainterPath outline;
    for (const Ink &ink : inks)
        outline = outline.united(ink.shape);
    QPixmap pixmap = glyphCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1));
    p.drawPath(outline.translated(1, 1));
    p.setPen(QPen(disabledGrey, 1));
    p.drawPath(outline);
    return pixmap;
}

QIcon glyph(const QList<Ink> &inks)
{
    QIcon icon;
    icon.addPixmap(normalGlyph(inks), QIcon::Normal);
    icon.addPixmap(disabledGlyph(inks), QIcon::Disabled);
    return icon;
}

} // namespace

QIcon checkMarkGlyph()
{
    QPainterPath tick;
    tick.addPolygon(QPolygonF({{1.5, 8.5}, {4.5, 5.5}, {7, 8}, {13, 2}, {16, 5}, {7, 14}, {1.5, 8.5}}));
    return glyph({{tick, QColor(0, 160, 0), QColor(0, 0, 128)}});
}

QIcon redCrossGlyph()
{
    const QPainterPath cross = strokes({{{3.5, 3.5}, {14.5, 14.5}}, {{14.5, 3.5}, {3.5, 14.5}}}, 4, Qt::SquareCap);
    return glyph({{cross, QColor(160, 0, 0)}});
}

// Striding to the left, the way the "back" button leads.
QIcon walkingFigureGlyph()
{
    QPainterPath upper = strokes({{{8.5, 5.5}, {9.5, 10.5}}, {{8.5, 6.5}, {6.5, 8.5}, {4.5, 8.5}},
                                  {{8.5, 6.5}, {11, 8.5}, {13, 10}}},
                                 2.2, Qt::RoundCap);
    upper.addEllipse(QPointF(8, 2.6), 2.3, 2.3);
    const QPainterPath legs = strokes({{{9.5, 10.5}, {7, 13}, {6, 16.3}, {4, 16.3}},
                                       {{9.5, 10.5}, {11.5, 13.5}, {14, 16}}},
                                      2.4, Qt::RoundCap);
    return glyph({{upper.simplified(), QColor(0, 150, 0)}, {legs, QColor(0, 60, 220)}});
}

namespace {

// Where the shaft lies across each picture, as a fraction of the box's breadth;
// the arrows are not quite centred in their pictures.
constexpr qreal shaftAcrossLeftDown = 195.5 / 451;
constexpr qreal shaftAcrossRight = 254.5 / 451;
constexpr int shaftHalfWidth = 1;
constexpr int headReach = 4; // each stroke of the head runs this far back and out, at 45 degrees

// Writes a pixel given as distance from the tip (along) and across the shaft.
void plotArrow(QImage &image, ArrowPoint direction, int along, int across)
{
    const int w = image.width();
    const int h = image.height();
    const QPoint pixel = direction == ArrowPoint::Left    ? QPoint(along, across)
                         : direction == ArrowPoint::Right ? QPoint(w - 1 - along, across)
                                                          : QPoint(across, h - 1 - along);
    if (image.valid(pixel))
        image.setPixelColor(pixel, arrowViolet);
}

} // namespace

QImage arrowPicture(ArrowPoint direction, QSize box)
{
    QImage image(box, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const bool down = direction == ArrowPoint::Down;
    const int length = down ? box.height() : box.width();
    const int breadth = down ? box.width() : box.height();
    const qreal fraction = direction == ArrowPoint::Right ? shaftAcrossRight : shaftAcrossLeftDown;
    const int centre = qRound(breadth * fraction);
    for (int along = 0; along < length; ++along)
        for (int across = centre - shaftHalfWidth; across <= centre + shaftHalfWidth; ++across)
            plotArrow(image, direction, along, across);
    for (int d = 1; d <= headReach; ++d) {
        for (int along : {d, d + 1}) {
            plotArrow(image, direction, along, centre - d);
            plotArrow(image, direction, along, centre + d);
        }
    }
    return image;
}
