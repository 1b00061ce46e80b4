#include "app/core/FocusRing.h"

#include <QTest>

class TestFocusRing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringStandsOut_data();
    void ringStandsOut();
};

// The panels and the controls' faces, as the design colours them.
void TestFocusRing::ringStandsOut_data()
{
    QTest::addColumn<quint32>("beside");
    QTest::addColumn<quint32>("ring");
    QTest::addColumn<qreal>("contrast");

    QTest::addRow("teal_settings") << 0x008080u << 0xFFFFFFu << 4.77;
    QTest::addRow("blue_info_panel") << 0x0000FFu << 0xFFFFFFu << 8.59;
    QTest::addRow("black_result_panel") << 0x000000u << 0xFFFFFFu << 21.0;
    QTest::addRow("dark_grey_exercise_panel") << 0x6D6D6Du << 0xFFFFFFu << 5.17;
    QTest::addRow("grey_window") << 0xB4B4B4u << 0x000000u << 10.13;
    QTest::addRow("button_face") << 0xF0F0F0u << 0x000000u << 18.43;
    QTest::addRow("yellow") << 0xFFFF00u << 0x000000u << 19.56;
    QTest::addRow("mid_grey_hardest_of_all") << 0x767676u << 0x000000u << 4.62;
}

// At least 3:1, as a focus indicator needs.
void TestFocusRing::ringStandsOut()
{
    QFETCH(quint32, beside);
    QFETCH(quint32, ring);
    QFETCH(qreal, contrast);

    QCOMPARE(ringColour(beside), ring);
    QCOMPARE(qRound(contrastRatio(ring, beside) * 100) / 100.0, contrast);
    QVERIFY(contrastRatio(ring, beside) >= 3);
}

QTEST_GUILESS_MAIN(TestFocusRing)
#include "tst_focusring.moc"
