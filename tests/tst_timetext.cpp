#include "clock/TimeText.h"

#include <QTest>

namespace {

QLocale dutch()
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands);
}

QLocale american()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void noLocaleKeepsZoneOrWords();
    void digitalClock_data();
    void digitalClock();
    void countdown_data();
    void countdown();
};

void TestTimeText::format_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::addRow("dutch") << dutch() << QStringLiteral("HH:mm:ss");
    QTest::addRow("c") << QLocale::c() << QStringLiteral("HH:mm:ss");
    QTest::addRow("american_marker_after") << american() << QStringLiteral("h:mm:ss AP");
    QTest::addRow("danish_dot_separator") << QLocale(QStringLiteral("da_DK")) << QStringLiteral("HH.mm.ss");
    QTest::addRow("hong_kong_marker_before_no_space")
            << QLocale(QStringLiteral("zh_HK")) << QStringLiteral("APh:mm:ss");
    QTest::addRow("albanian_comma_after_marker_dropped")
            << QLocale(QStringLiteral("sq_AL")) << QStringLiteral("h:mm:ss AP");
    QTest::addRow("canadian_french_words_not_separators")
            << QLocale(QStringLiteral("fr_CA")) << QStringLiteral("HH:mm:ss");
    QTest::addRow("korean_words_and_single_m") << QLocale(QStringLiteral("ko_KR")) << QStringLiteral("AP h:mm:ss");
    QTest::addRow("ewe_word_before_hour_one_space")
            << QLocale(QStringLiteral("ee_GH")) << QStringLiteral("AP h:mm:ss");
    QTest::addRow("low_german_quoted_prefix_dropped")
            << QLocale(QStringLiteral("nds_DE")) << QStringLiteral("H.mm.ss");
    QTest::addRow("esperanto_separator_from_seconds")
            << QLocale(QStringLiteral("eo")) << QStringLiteral("H:mm:ss");
}

void TestTimeText::format()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QCOMPARE(longTimeFormat(locale), expected);
}

void TestTimeText::noLocaleKeepsZoneOrWords()
{
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                  QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString format = longTimeFormat(locale);
        QVERIFY2(!format.contains(u't') && !format.contains(u'\''), qPrintable(locale.name()));
        QVERIFY2(format.count(QStringLiteral("mm")) == 1 && format.count(QStringLiteral("ss")) == 1,
                 qPrintable(locale.name()));
    }
}

void TestTimeText::digitalClock_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twaalfUren");
    QTest::addColumn<QString>("expected");

    QTest::addRow("dutch_12h_afternoon") << dutch() << QTime(13, 5, 9) << true << QStringLiteral("01:05:09");
    QTest::addRow("dutch_24h_afternoon") << dutch() << QTime(13, 5, 9) << false << QStringLiteral("13:05:09");
    QTest::addRow("dutch_12h_noon_stays") << dutch() << QTime(12, 30, 0) << true << QStringLiteral("12:30:00");
    QTest::addRow("dutch_12h_midnight_stays_0") << dutch() << QTime(0, 15, 0) << true << QStringLiteral("00:15:00");
    QTest::addRow("dutch_12h_last_second") << dutch() << QTime(23, 59, 59, 999) << true << QStringLiteral("11:59:59");
    QTest::addRow("c_12h_afternoon") << QLocale::c() << QTime(13, 5, 9) << true << QStringLiteral("01:05:09");
    QTest::addRow("c_12h_midnight_stays_0") << QLocale::c() << QTime(0, 15, 0) << true << QStringLiteral("00:15:00");
    // The shifted hour is formatted as a morning time, marker included.
    QTest::addRow("american_12h_afternoon") << american() << QTime(13, 5, 9) << true << QStringLiteral("1:05:09 AM");
    QTest::addRow("american_24h_afternoon") << american() << QTime(13, 5, 9) << false << QStringLiteral("1:05:09 PM");
    QTest::addRow("american_12h_noon") << american() << QTime(12, 30, 0) << true << QStringLiteral("12:30:00 PM");
    QTest::addRow("american_12h_midnight") << american() << QTime(0, 15, 0) << true << QStringLiteral("12:15:00 AM");
    QTest::addRow("danish_separator") << QLocale(QStringLiteral("da_DK")) << QTime(9, 8, 7) << false
                                      << QStringLiteral("09.08.07");
}

void TestTimeText::digitalClock()
{
    QFETCH(QLocale, locale);
    QFETCH(QTime, time);
    QFETCH(bool, twaalfUren);
    QFETCH(QString, expected);

    QCOMPARE(digitalClockText(time, twaalfUren, locale), expected);
}

void TestTimeText::countdown_data()
{
    QTest::addColumn<qint64>("remainingMs");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::addRow("maximum_999_minutes") << qint64(999) * 60 * 1000 << dutch() << QStringLiteral("16:39:00");
    QTest::addRow("just_under_five_minutes") << qint64(299999) << dutch() << QStringLiteral("0:04:59");
    QTest::addRow("last_reading_before_end") << qint64(999) << dutch() << QStringLiteral("0:00:00");
    QTest::addRow("exactly_one_second") << qint64(1000) << dutch() << QStringLiteral("0:00:01");
    QTest::addRow("one_hour") << qint64(3600000) << dutch() << QStringLiteral("1:00:00");
    QTest::addRow("zero") << qint64(0) << dutch() << QStringLiteral("0:00:00");
    QTest::addRow("negative_one_ms") << qint64(-1) << dutch() << QStringLiteral("0:00:00");
    QTest::addRow("negative_minutes") << qint64(-300000) << dutch() << QStringLiteral("0:00:00");
    QTest::addRow("american_no_marker") << qint64(299999) << american() << QStringLiteral("0:04:59");
    QTest::addRow("c_locale") << qint64(59999) << QLocale::c() << QStringLiteral("0:00:59");
    QTest::addRow("danish_dots") << qint64(299999) << QLocale(QStringLiteral("da_DK")) << QStringLiteral("0.04.59");
}

void TestTimeText::countdown()
{
    QFETCH(qint64, remainingMs);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QCOMPARE(countdownText(remainingMs, locale), expected);
}

QTEST_GUILESS_MAIN(TestTimeText)
#include "tst_timetext.moc"
