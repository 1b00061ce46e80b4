#include "app/core/Placement.h"

#include <QTest>

class TestPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowPlace_data();
    void windowPlace();
    void fitScale_data();
    void fitScale();
    void lowerScaleToFit_data();
    void lowerScaleToFit();
};

void TestPlacement::windowPlace_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");

    QTest::addRow("full_hd_centred") << QRect(0, 0, 1920, 1080) << QPoint(560, 230);
    QTest::addRow("panel_above_centred_below_it") << QRect(0, 27, 1024, 741) << QPoint(112, 88);
    QTest::addRow("second_screen_centred_on_it") << QRect(1920, 0, 1280, 1024) << QPoint(2160, 202);
    QTest::addRow("just_wide_enough") << QRect(0, 0, 799, 620) << QPoint(0, 0);
    QTest::addRow("640x480_corner_stays_on_screen") << QRect(0, 0, 640, 480) << QPoint(0, 0);
    QTest::addRow("scale_3_of_1280x1024") << QRect(0, 0, 426, 341) << QPoint(0, 0);
    QTest::addRow("narrow_but_tall_centred_in_height") << QRect(0, 0, 640, 1024) << QPoint(0, 202);
    QTest::addRow("small_second_screen_at_its_corner") << QRect(1920, 40, 640, 440) << QPoint(1920, 40);
}

void TestPlacement::windowPlace()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);

    QCOMPARE(::windowPlace(available, QSize(799, 620)), expected);
}

void TestPlacement::fitScale_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<qreal>("expected");

    QTest::addRow("exactly_the_window") << QSize(799, 620) << 1.0;
    QTest::addRow("chromebook_1366x768_height_rules") << QSize(1366, 768) << 768.0 / 620;
    QTest::addRow("ipad_1024x768_height_rules") << QSize(1024, 768) << 768.0 / 620;
    QTest::addRow("ipad_upright_width_rules") << QSize(768, 1024) << 768.0 / 799;
    QTest::addRow("phone_scaled_down") << QSize(390, 664) << 390.0 / 799;
    QTest::addRow("no_area_yet_keeps_scale_1") << QSize(0, 0) << 1.0;
}

void TestPlacement::fitScale()
{
    QFETCH(QSize, available);
    QFETCH(qreal, expected);

    QCOMPARE(::fitScale(available, QSize(799, 620)), expected);
}

void TestPlacement::lowerScaleToFit_data()
{
    QTest::addColumn<qreal>("desktop");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<qreal>("expected");

    QTest::addRow("laptop_1366x768_at_125_height_rules") << 1.25 << QSize(1366, 768) << 768.0 / 660;
    QTest::addRow("laptop_at_200_same_as_at_125") << 2.0 << QSize(1366, 768) << 768.0 / 660;
    QTest::addRow("taskbar_takes_its_share") << 1.25 << QSize(1366, 718) << 718.0 / 660;
    QTest::addRow("full_hd_at_200_lowered") << 2.0 << QSize(1920, 1080) << 1080.0 / 660;
    QTest::addRow("full_hd_at_125_untouched") << 1.25 << QSize(1920, 1080) << 1.25;
    QTest::addRow("laptop_at_100_untouched") << 1.0 << QSize(1366, 728) << 1.0;
    QTest::addRow("netbook_1024x600_below_1") << 1.0 << QSize(1024, 600) << 600.0 / 660;
    QTest::addRow("upright_screen_width_rules") << 2.0 << QSize(1080, 1920) << 1080.0 / 815;
    QTest::addRow("no_area_yet_untouched") << 1.5 << QSize(0, 0) << 1.5;
}

// The window with room for its frame: 815 x 660.
void TestPlacement::lowerScaleToFit()
{
    QFETCH(qreal, desktop);
    QFETCH(QSize, available);
    QFETCH(qreal, expected);

    QCOMPARE(::lowerScaleToFit(desktop, available, QSize(815, 660)), expected);
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
