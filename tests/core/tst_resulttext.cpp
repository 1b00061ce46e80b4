#include "exercise/core/ResultText.h"

#include <QTest>

class TestResultText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentage_data();
    void percentage();
    void noTasksGivesNoText_data();
    void noTasksGivesNoText();
};

void TestResultText::percentage_data()
{
    QTest::addColumn<int>("behaald");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    const QLocale c = QLocale::c();

    QTest::addRow("two_of_three_dutch") << 2 << 3 << dutch << "66,6";
    QTest::addRow("two_of_three_point") << 2 << 3 << c << "66.6";
    QTest::addRow("three_of_four_dutch") << 3 << 4 << dutch << "75";
    QTest::addRow("three_of_four_point") << 3 << 4 << c << "75";
    QTest::addRow("one_of_three_dutch") << 1 << 3 << dutch << "33,3";
    QTest::addRow("five_of_eight_dutch") << 5 << 8 << dutch << "62,5";
    QTest::addRow("five_of_eight_point") << 5 << 8 << c << "62.5";
    QTest::addRow("one_of_eight") << 1 << 8 << dutch << "12,5";
    QTest::addRow("one_of_six_truncated") << 1 << 6 << dutch << "16,6";
    QTest::addRow("all_right") << 1 << 1 << dutch << "100";
    QTest::addRow("none_right") << 0 << 5 << dutch << "0";
    QTest::addRow("half_right") << 4 << 8 << dutch << "50";
    QTest::addRow("seven_of_hundred_no_float_noise") << 7 << 100 << dutch << "7";
    QTest::addRow("twenty_nine_of_hundred_no_float_noise") << 29 << 100 << dutch << "29";
    QTest::addRow("two_of_seven") << 2 << 7 << dutch << "28,5";
    QTest::addRow("one_of_thousand") << 1 << 1000 << dutch << "0,1";
    QTest::addRow("many_tasks") << 9999 << 10000 << dutch << "99,9";
    QTest::addRow("more_right_than_asked_no_group_separator") << 20 << 1 << dutch << "2000";
}

void TestResultText::percentage()
{
    QFETCH(int, behaald);
    QFETCH(int, maximum);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    const std::optional<QString> text = percentageText(behaald, maximum, locale);
    QVERIFY(text.has_value());
    QCOMPARE(*text, expected);
}

void TestResultText::noTasksGivesNoText_data()
{
    QTest::addColumn<int>("behaald");

    QTest::addRow("nothing_answered") << 0;
    QTest::addRow("points_without_tasks") << 3;
}

void TestResultText::noTasksGivesNoText()
{
    QFETCH(int, behaald);

    QVERIFY(!percentageText(behaald, 0, QLocale(QLocale::Dutch)).has_value());
    QVERIFY(!percentageText(behaald, 0, QLocale::c()).has_value());
}

QTEST_GUILESS_MAIN(TestResultText)
#include "tst_resulttext.moc"
