#include "app/Pictures.h"

#include <QTest>

#include <functional>

namespace {

using PixelTest = std::function<bool(QColor)>;

int countPixels(const QImage &image, const QRect &area, const PixelTest &test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool isInk(QColor c) { return c.alpha() > 0; }
bool isWhite(QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; }
bool isRed(QColor c) { return c.red() > 180 && c.green() < 60 && c.blue() < 60; }
bool isBlack(QColor c) { return c.alpha() > 200 && c.red() < 60 && c.green() < 60 && c.blue() < 60; }
bool isColourless(QColor c) { return c.alpha() == 0 || c.hsvSaturation() < 30; }

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stopPictureIsRedSignWithWhiteText();
    void portraitIconFillsItsSizeOnTransparency_data();
    void portraitIconFillsItsSizeOnTransparency();
    void clockIconShowsFivePastFive();
    void glyphsHaveGreyDisabledOutline_data();
    void glyphsHaveGreyDisabledOutline();
    void arrowsSitWhereTheOverlayNeedsThem_data();
    void arrowsSitWhereTheOverlayNeedsThem();
};

void TestPictures::stopPictureIsRedSignWithWhiteText()
{
    const QImage stop = stopPicture();
    QCOMPARE(stop.size(), QSize(228, 100));
    QVERIFY(isWhite(stop.pixelColor(0, 0)));
    QVERIFY(isWhite(stop.pixelColor(227, 99)));
    QVERIFY(isRed(stop.pixelColor(114, 75)));
    QVERIFY(isRed(stop.pixelColor(12, 50)));
    QVERIFY(isRed(stop.pixelColor(114, 93)));
    QVERIFY(countPixels(stop, QRect(20, 40, 188, 1), isWhite) > 30);
    QVERIFY(isWhite(stop.pixelColor(114, 83)));

    const QImage small = stop.scaled(57, 25, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(countPixels(small, small.rect(), isRed) > small.width() * small.height() / 3);
}

void TestPictures::portraitIconFillsItsSizeOnTransparency_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("small") << 16;
    QTest::addRow("default") << 32;
    QTest::addRow("large") << 48;
}

void TestPictures::portraitIconFillsItsSizeOnTransparency()
{
    QFETCH(int, size);
    const QImage icon = portraitIcon(size).toImage();
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(size - 1, size - 1).alpha(), 0);
    QCOMPARE(icon.pixelColor(size / 2, size / 2).alpha(), 255);
    QCOMPARE(icon.pixelColor(size / 2, size / 8).alpha(), 255); // the frame
    QCOMPARE(portraitIcon().size(), QSize(32, 32));
}

void TestPictures::clockIconShowsFivePastFive()
{
    for (int size : {16, 32, 48, 256})
        QCOMPARE(clockIcon(size).size(), QSize(size, size));
    const QImage face = clockIcon(48);
    QCOMPARE(face.pixelColor(0, 0).alpha(), 0);
    const QColor rim = face.pixelColor(24, 3);
    QVERIFY(rim.red() > 200 && rim.blue() > 150 && rim.green() < 60);
    const QColor dial = face.pixelColor(24, 34);
    QVERIFY(dial.blue() > 200 && dial.green() > 180 && dial.red() < 200);
    QVERIFY(isBlack(face.pixelColor(30, 14)));   // minute hand towards the 1
    QVERIFY(isBlack(face.pixelColor(28, 31)));   // hour hand just past the 5
    QVERIFY(!isBlack(face.pixelColor(18, 14)));  // nothing towards the 11
    QVERIFY(!isBlack(face.pixelColor(17, 30)));  // nothing towards the 7
}

void TestPictures::glyphsHaveGreyDisabledOutline_data()
{
    QTest::addColumn<QIcon>("glyph");
    QTest::addColumn<QColor>("hallmark");
    QTest::addRow("check_mark_green") << checkMarkGlyph() << QColor(0, 160, 0);
    QTest::addRow("check_mark_blue_shadow") << checkMarkGlyph() << QColor(0, 0, 128);
    QTest::addRow("red_cross") << redCrossGlyph() << QColor(160, 0, 0);
    QTest::addRow("walking_figure_green") << walkingFigureGlyph() << QColor(0, 150, 0);
    QTest::addRow("walking_figure_blue") << walkingFigureGlyph() << QColor(0, 60, 220);
}

void TestPictures::glyphsHaveGreyDisabledOutline()
{
    QFETCH(QIcon, glyph);
    QFETCH(QColor, hallmark);
    const QImage normal = glyph.pixmap(18, QIcon::Normal).toImage();
    const QImage disabled = glyph.pixmap(18, QIcon::Disabled).toImage();
    QCOMPARE(normal.size(), QSize(18, 18));
    QCOMPARE(disabled.size(), QSize(18, 18));
    QCOMPARE(normal.pixelColor(0, 0).alpha(), 0);
    QVERIFY(countPixels(normal, normal.rect(), [&](QColor c) { return c == hallmark; }) >= 3);
    QVERIFY(countPixels(disabled, disabled.rect(), isColourless) == 18 * 18);
    QVERIFY(countPixels(disabled, disabled.rect(), isInk) >= 20);
}

void TestPictures::arrowsSitWhereTheOverlayNeedsThem_data()
{
    QTest::addColumn<ArrowPoint>("direction");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("ink");
    QTest::addColumn<QRect>("shaftSection");
    QTest::addColumn<QPoint>("tip");
    QTest::addRow("left_to_kwart_voor") << ArrowPoint::Left << QSize(57, 104) << QRect(0, 41, 57, 9)
                                        << QRect(28, 44, 1, 3) << QPoint(0, 45);
    QTest::addRow("right_to_kwart_na") << ArrowPoint::Right << QSize(57, 104) << QRect(0, 55, 57, 9)
                                       << QRect(28, 58, 1, 3) << QPoint(56, 59);
    QTest::addRow("down_to_half") << ArrowPoint::Down << QSize(102, 56) << QRect(40, 0, 9, 56)
                                  << QRect(43, 28, 3, 1) << QPoint(44, 55);
}

void TestPictures::arrowsSitWhereTheOverlayNeedsThem()
{
    QFETCH(ArrowPoint, direction);
    QFETCH(QSize, box);
    QFETCH(QRect, ink);
    QFETCH(QRect, shaftSection);
    QFETCH(QPoint, tip);
    const QImage arrow = arrowPicture(direction, box);
    QCOMPARE(arrow.size(), box);
    QCOMPARE(inkBounds(arrow), ink);
    // No antialiasing: every pixel is fully violet or fully transparent, so a mask equals the ink.
    const auto cleanPixel = [](QColor c) { return c.alpha() == 0 || c.rgba() == qRgba(0x80, 0x00, 0xFF, 255); };
    QCOMPARE(countPixels(arrow, arrow.rect(), cleanPixel), box.width() * box.height());
    const QRect crossing = shaftSection.width() == 1 ? QRect(shaftSection.left(), 0, 1, box.height())
                                                     : QRect(0, shaftSection.top(), box.width(), 1);
    QCOMPARE(countPixels(arrow, crossing, isInk), 3);
    QCOMPARE(countPixels(arrow, shaftSection, isInk), 3);
    QVERIFY(isInk(arrow.pixelColor(tip)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
