#include "clock/core/FaceGeometry.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// The design's client area with the nominal frame: 805 x 642.
FaceGeometry designFace()
{
    return geometryFromOuterSize(799 + NominaalKaderBreedte, 620 + NominaalKaderHoogte);
}

QStringList startCaptions()
{
    QStringList captions(AantalMerken, QStringLiteral("*"));
    captions[0] = QStringLiteral("12");
    for (int hour = 1; hour < 12; ++hour)
        captions[qsizetype(hour) * 5] = QString::number(hour);
    return captions;
}

double degrees(double value)
{
    return value * Pi / 180.0;
}

} // namespace

class TestFaceGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void geometry_data();
    void geometry();
    void marks_data();
    void marks();
    void handPoints_data();
    void handPoints();
    void hourHand_data();
    void hourHand();
    void correctionTurnsHalfDegreePerMinute();
    void lineCoverHoldsTheHand_data();
    void lineCoverHoldsTheHand();
    void oppervlakStuk_data();
    void oppervlakStuk();
};

void TestFaceGeometry::geometry_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("middenX");
    QTest::addColumn<int>("middenY");
    QTest::addColumn<int>("straal");

    QTest::addRow("design_805x642") << 805 << 642 << 201 << 289 << 189;
    QTest::addRow("odd_height_643_truncates_twice") << 805 << 643 << 201 << 289 << 189;
    QTest::addRow("odd_width_807") << 807 << 642 << 201 << 289 << 189;
    QTest::addRow("offscreen_frame_803x624") << 803 << 624 << 200 << 281 << 181;
    QTest::addRow("height_639_drops_below_design") << 805 << 639 << 201 << 288 << 188;
}

void TestFaceGeometry::geometry()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, middenX);
    QFETCH(int, middenY);
    QFETCH(int, straal);

    const FaceGeometry g = geometryFromOuterSize(width, height);
    QCOMPARE(g.middenX, middenX);
    QCOMPARE(g.middenY, middenY);
    QCOMPARE(g.straal, straal);
}

void TestFaceGeometry::marks_data()
{
    QTest::addColumn<int>("changedIndex");
    QTest::addColumn<QString>("changedCaption");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QPoint>("topLeft");

    const QString none;
    QTest::addRow("m0_twelve") << -1 << none << 0 << QPoint(179, 107);
    QTest::addRow("m15_three") << -1 << none << 15 << QPoint(355, 280);
    QTest::addRow("m30_six") << -1 << none << 30 << QPoint(184, 452);
    QTest::addRow("m45_nine") << -1 << none << 45 << QPoint(12, 280);
    QTest::addRow("m1_dot_cuts_minus_17_87") << -1 << none << 1 << QPoint(215, 114);
    QTest::addRow("m59_dot") << -1 << none << 59 << QPoint(180, 114);
    QTest::addRow("m5_half_way_cut_not_rounded") << -1 << none << 5 << QPoint(270, 132);
    QTest::addRow("numeral_at_1_keeps_m0_offsets") << 1 << QStringLiteral("1") << 1 << QPoint(197, 108);
    QTest::addRow("numeral_at_7_keeps_dot_offsets") << 7 << QStringLiteral("7") << 7 << QPoint(317, 151);
    QTest::addRow("star_at_5_takes_dot_rule") << 5 << QStringLiteral("*") << 5 << QPoint(283, 136);
    QTest::addRow("roman_caption_is_a_numeral") << 15 << QStringLiteral("III") << 15 << QPoint(355, 280);
    QTest::addRow("two_stars_is_a_numeral") << 2 << QStringLiteral("**") << 2 << QPoint(235, 109);
}

void TestFaceGeometry::marks()
{
    QFETCH(int, changedIndex);
    QFETCH(QString, changedCaption);
    QFETCH(int, mark);
    QFETCH(QPoint, topLeft);

    QStringList captions = startCaptions();
    if (changedIndex >= 0)
        captions[changedIndex] = changedCaption;
    QCOMPARE(placeMarks(designFace(), captions).at(mark), topLeft);
}

void TestFaceGeometry::handPoints_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QPoint>("point");

    QTest::addRow("seconds_166_straight_up") << 0.0 << SecondenLengte << QPoint(201, 123);
    QTest::addRow("minutes_139_at_quarter_past") << 15.0 << MinutenLengte << QPoint(340, 289);
    QTest::addRow("hours_119_at_six") << 30.0 << UrenLengte << QPoint(201, 408);
    QTest::addRow("minutes_at_40_cut_towards_zero") << 40.0 << MinutenLengte << QPoint(81, 358);
    QTest::addRow("first_minutes_end") << 0.0 << EersteMinuten << QPoint(201, 160);
    QTest::addRow("first_hours_end") << 0.0 << EersteUren << QPoint(201, 190);
    QTest::addRow("minute_knob_at_15") << 15.0 << MinutenKnop << QPoint(325, 289);
    QTest::addRow("seconds_knob_at_45") << 45.0 << SecondenKnop << QPoint(57, 289);
    QTest::addRow("hour_knob_at_twelve") << 0.0 << UrenKnop << QPoint(201, 185);
}

void TestFaceGeometry::handPoints()
{
    QFETCH(double, position);
    QFETCH(int, offset);
    QFETCH(QPoint, point);

    const FaceGeometry g = designFace();
    QCOMPARE(pointOnClock(g, positionAngle(position), g.straal - offset), point);
}

void TestFaceGeometry::hourHand_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("standMin");
    QTest::addColumn<bool>("correctie");
    QTest::addColumn<QPoint>("end");

    QTest::addRow("three_plain") << 3 << 30 << false << QPoint(320, 289);
    QTest::addRow("three_thirty_corrected") << 3 << 30 << true << QPoint(315, 319);
    QTest::addRow("three_oclock_corrected") << 3 << 0 << true << QPoint(320, 289);
    QTest::addRow("twelve_plain") << 0 << 45 << false << QPoint(201, 170);
    QTest::addRow("eleven_59_stays_short_of_twelve") << 11 << 59 << true << QPoint(200, 171);
}

void TestFaceGeometry::hourHand()
{
    QFETCH(int, hour);
    QFETCH(int, standMin);
    QFETCH(bool, correctie);
    QFETCH(QPoint, end);

    const FaceGeometry g = designFace();
    QCOMPARE(pointOnClock(g, hourHandAngle(hour, standMin, correctie), g.straal - UrenLengte), end);
}

void TestFaceGeometry::correctionTurnsHalfDegreePerMinute()
{
    const double turned = hourHandAngle(3, 30, true) - hourHandAngle(3, 30, false);
    QVERIFY(std::abs(turned - degrees(-15.0)) < 1e-12);
    QVERIFY(std::abs(hourHandAngle(3, 0, false) - degrees(-90.0)) < 1e-12);
}

void TestFaceGeometry::lineCoverHoldsTheHand_data()
{
    QTest::addColumn<QPoint>("tip");
    QTest::addColumn<int>("pen");
    QTest::addColumn<double>("largestShare"); // of the bounding box the cover may take

    const QPoint centre(200, 200);
    QTest::addRow("seconds_up") << QPoint(200, 50) << 1 << 1.0;
    QTest::addRow("seconds_slanting") << centre + QPoint(106, 106) << 1 << 0.5;
    QTest::addRow("minutes_left") << QPoint(60, 200) << 3 << 1.0;
    QTest::addRow("minutes_steep") << centre + QPoint(-37, 129) << 3 << 0.6;
    QTest::addRow("minutes_slanting") << centre + QPoint(-95, -95) << 3 << 0.5;
    QTest::addRow("hours_shallow") << centre + QPoint(110, -30) << 6 << 0.7;
    QTest::addRow("hours_slanting") << centre + QPoint(80, 80) << 6 << 0.6;
    QTest::addRow("at_the_centre") << centre << 6 << 1.0;
}

// Every pixel the hand's pen touches lies inside the cover, or a glide would leave parts of
// the old hand on the screen; and a slanting hand's cover is a strip, not its whole box.
void TestFaceGeometry::lineCoverHoldsTheHand()
{
    QFETCH(QPoint, tip);
    QFETCH(int, pen);
    QFETCH(double, largestShare);
    const QPoint centre(200, 200);

    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setPen(QPen(Qt::black, pen, Qt::SolidLine, pen == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(tip, centre);
    }
    QRegion cover;
    for (const QRect &piece : wijzerStrook(tip, centre, pen))
        cover += piece;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255) && !cover.contains(QPoint(x, y)))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) lies outside the cover").arg(x).arg(y)));

    // The strip against the hand's whole box with the same room around it.
    const int room = pen / 2 + 2;
    const QRect box = QRect(tip, centre).normalized().adjusted(-room, -room, room, room);
    qint64 coverArea = 0;
    for (const QRect &r : cover)
        coverArea += qint64(r.width()) * r.height();
    QVERIFY2(double(coverArea) <= largestShare * box.width() * box.height(),
             qPrintable(QStringLiteral("%1 of %2 pixels").arg(coverArea).arg(box.width() * box.height())));
}

void TestFaceGeometry::oppervlakStuk_data()
{
    QTest::addColumn<qreal>("schaal");
    QTest::addColumn<QRectF>("stuk");
    QTest::addRow("one_pixel_a_point") << 1.0 << QRectF(10, 20, 30, 40);
    QTest::addRow("twice_scaled") << 2.0 << QRectF(20, 40, 60, 80);
    QTest::addRow("a_quarter_more") << 1.25 << QRectF(12.5, 25, 37.5, 50);
}

// The picture copied to the screen is taken from the surface's own pixels: at scale 2 a
// point is four of them, and a copy in points would show a quarter of the hands.
void TestFaceGeometry::oppervlakStuk()
{
    QFETCH(qreal, schaal);
    QFETCH(QRectF, stuk);
    QCOMPARE(::oppervlakStuk(QRect(10, 20, 30, 40), schaal), stuk);
}

QTEST_GUILESS_MAIN(TestFaceGeometry)
#include "tst_facegeometry.moc"
