#include "exercise/core/Judging.h"

#include <QTest>

class TestLeesGetal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void rejects_data();
    void rejects();
};

void TestLeesGetal::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::addRow("single_digit") << QStringLiteral("7") << 7;
    QTest::addRow("leading_zero") << QStringLiteral("07") << 7;
    QTest::addRow("many_leading_zeros") << QStringLiteral("000000000000045") << 45;
    QTest::addRow("zero") << QStringLiteral("0") << 0;
    QTest::addRow("minus_zero") << QStringLiteral("-0") << 0;
    QTest::addRow("plus_sign") << QStringLiteral("+5") << 5;
    QTest::addRow("minus_sign") << QStringLiteral("-12") << -12;
    QTest::addRow("spaces_around") << QStringLiteral(" 12 ") << 12;
    QTest::addRow("leading_tab") << QStringLiteral("\t3") << 3;
    QTest::addRow("trailing_tab") << QStringLiteral("3\t") << 3;
    QTest::addRow("blank_before_sign") << QStringLiteral("  -8") << -8;
    QTest::addRow("largest") << QStringLiteral("2147483647") << 2147483647;
    QTest::addRow("smallest") << QStringLiteral("-2147483648") << int(-2147483647 - 1);
    QTest::addRow("timer_maximum") << QStringLiteral("999") << 999;
}

void TestLeesGetal::reads()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    const std::optional<qint32> read = LeesGetal(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, expected);
}

void TestLeesGetal::rejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("empty") << QString();
    QTest::addRow("blank_only") << QStringLiteral(" ");
    QTest::addRow("tabs_only") << QStringLiteral("\t\t");
    QTest::addRow("minus_alone") << QStringLiteral("-");
    QTest::addRow("plus_alone") << QStringLiteral("+");
    QTest::addRow("double_sign") << QStringLiteral("+-5");
    QTest::addRow("two_minus") << QStringLiteral("--5");
    QTest::addRow("blank_after_sign") << QStringLiteral("- 5");
    QTest::addRow("sign_after_digits") << QStringLiteral("5-");
    QTest::addRow("letter_after") << QStringLiteral("1a");
    QTest::addRow("letter_before") << QStringLiteral("a1");
    QTest::addRow("two_letters") << QStringLiteral("ab");
    QTest::addRow("inner_blank") << QStringLiteral("1 2");
    QTest::addRow("decimal_comma") << QStringLiteral("1,5");
    QTest::addRow("decimal_point") << QStringLiteral("1.5");
    QTest::addRow("hexadecimal") << QStringLiteral("0x1F");
    QTest::addRow("just_above_largest") << QStringLiteral("2147483648");
    QTest::addRow("just_below_smallest") << QStringLiteral("-2147483649");
    QTest::addRow("far_too_large") << QStringLiteral("99999999999");
    QTest::addRow("beyond_64_bits") << QStringLiteral("123456789012345678901234567890");
    QTest::addRow("arabic_indic_digit") << QStringLiteral("\u0663");
    QTest::addRow("fullwidth_digits") << QStringLiteral("\uFF11\uFF12");
    QTest::addRow("superscript_two") << QStringLiteral("\u00B2");
    QTest::addRow("emoji") << QStringLiteral("\U0001F600");
    QTest::addRow("digit_and_emoji") << QStringLiteral("5\U0001F600");
    QTest::addRow("no_break_space") << QStringLiteral("\u00A05");
    QTest::addRow("unicode_minus") << QStringLiteral("\u22125");
}

void TestLeesGetal::rejects()
{
    QFETCH(QString, text);

    QVERIFY(!LeesGetal(text).has_value());
}

QTEST_GUILESS_MAIN(TestLeesGetal)
#include "tst_leesgetal.moc"
