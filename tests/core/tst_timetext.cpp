#include "clock/core/TimeText.h"

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

private Q_SLOTS:
    void format_data();
    void format();
    void noLocaleKeepsZoneWordsOrMarker();
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
    QTest::addRow("american_marker_dropped") << american() << QStringLiteral("h:mm:ss");
    QTest::addRow("danish_dot_separator") << QLocale(QStringLiteral("da_DK")) << QStringLiteral("HH.mm.ss");
    QTest::addRow("hong_kong_marker_before_dropped") << QLocale(QStringLiteral("zh_HK")) << QStringLiteral("h:mm:ss");
    QTest::addRow("albanian_comma_after_marker_dropped") << QLocale(QStringLiteral("sq_AL")) << QStringLiteral("h:mm:ss");
    QTest::addRow("canadian_french_words_not_separators")
            << QLocale(QStringLiteral("fr_CA")) << QStringLiteral("HH:mm:ss");
    QTest::addRow("korean_words_and_single_m") << QLocale(QStringLiteral("ko_KR")) << QStringLiteral("h:mm:ss");
    QTest::addRow("low_german_quoted_prefix_dropped")
            << QLocale(QStringLiteral("nds_DE")) << QStringLiteral("H.mm.ss");
    QTest::addRow("esperanto_separator_from_seconds")
            << QLocale(QStringLiteral("eo")) << QStringLiteral("H:mm:ss");
}

void TestTimeText::format()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QCOMPARE(clockFormat(locale), expected);
}

void TestTimeText::noLocaleKeepsZoneWordsOrMarker()
{
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                  QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString format = clockFormat(locale);
        QVERIFY2(!format.contains(u't') && !format.contains(u'\'') && !format.contains(u'a', Qt::CaseInsensitive),
                 qPrintable(locale.name()));
        QVERIFY2(format.count(QStringLiteral("mm")) == 1 && format.count(QStringLiteral("ss")) == 1,
                 qPrintable(locale.name()));
    }
}

// The same text in Arabic-Indic digits, as Egyptian Arabic writes them.
static QString arabicIndic(QString digits)
{
    for (QChar &c : digits)
        if (c.isDigit())
            c = QChar(0x0660 + c.digitValue());
    return digits;
}

void TestTimeText::digitalClock_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twaalfUren");
    QTest::addColumn<QString>("expected");

    // Each locale's text at 00:15, 12:30, 13:05 and 23:59:59, with the 12-hour and the 24-hour
    // dial: the dial decides the hours, no locale adds a morning or afternoon marker.
    const QTime times[] = {QTime(0, 15), QTime(12, 30), QTime(13, 5), QTime(23, 59, 59, 999)};
    const struct { const char *name; QLocale locale; const char *texts[4][2]; } rows[] = {
        {"c", QLocale::c(), {{"00:15:00", "00:15:00"}, {"12:30:00", "12:30:00"}, {"01:05:00", "13:05:00"}, {"11:59:59", "23:59:59"}}},
        {"nl_NL", dutch(), {{"00:15:00", "00:15:00"}, {"12:30:00", "12:30:00"}, {"01:05:00", "13:05:00"}, {"11:59:59", "23:59:59"}}},
        {"de_DE", QLocale(QStringLiteral("de_DE")),
         {{"00:15:00", "00:15:00"}, {"12:30:00", "12:30:00"}, {"01:05:00", "13:05:00"}, {"11:59:59", "23:59:59"}}},
        {"en_US", american(), {{"0:15:00", "0:15:00"}, {"12:30:00", "12:30:00"}, {"1:05:00", "13:05:00"}, {"11:59:59", "23:59:59"}}},
        {"ar_EG", QLocale(QStringLiteral("ar_EG")),
         {{"0:15:00", "0:15:00"}, {"12:30:00", "12:30:00"}, {"1:05:00", "13:05:00"}, {"11:59:59", "23:59:59"}}},
    };
    for (const auto &row : rows)
        for (int t = 0; t < 4; ++t)
            for (const bool twaalfUren : {true, false}) {
                const QString text = QString::fromLatin1(row.texts[t][twaalfUren ? 0 : 1]);
                QTest::addRow("%s_%s_%s", row.name, qPrintable(times[t].toString(u"HHmmss")), twaalfUren ? "12h" : "24h")
                    << row.locale << times[t] << twaalfUren
                    << (row.locale.language() == QLocale::Arabic ? arabicIndic(text) : text);
            }
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
