// The exercise against the clock once minutes are in the timer field: START, the countdown
// above the exercise, the result panel and RESET.
#include "WindowFixture.h"

#include "guide/Unit2.h"

using namespace WindowFixture;

namespace {
QLocale dutch()
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands);
}

const char *const SettingsList[] = {"TwaalfUren", "VierentwintigUren", "Label4", "TimerMinuten", "SecondenAan",
                                    "WijzerCorrectie", "VraagtekenAan", "Cijfers", "Punten", "Romeins"};

constexpr qint64 MsPerMinute = 60LL * 1000;
} // namespace

class TestTimed : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startBeginsCountdown_data();
    void startBeginsCountdown();
    void countdownReading_data();
    void countdownReading();
    void endsOnlyAfterEndTime_data();
    void endsOnlyAfterEndTime();
    void resultPanel_data();
    void resultPanel();
    void resetDuringCountdown();
    void resetAfterResult();
    void resetWithoutExerciseReturnsToIdle();
    void escapePressesShownReset_data();
    void escapePressesShownReset();
    void timeUpHidesOverlay();

private:
    TForm1 &form() { return m_window->form; }
    void tick(qint64 ms);
    void startCountdown(Stage stage, const QString &minutes);
    QStringList shownSettings();
    void verifyChoosingAfterReset();

    std::unique_ptr<Window> m_window;
};

void TestTimed::init()
{
    QLocale::setDefault(dutch());
    m_window = std::make_unique<Window>();
    // Two minutes before midnight, so a countdown runs into the next day.
    m_window->clock->set(QDateTime(QDate(2026, 12, 8), QTime(23, 58, 0)));
    QVERIFY(showActive(m_window->form));
}

// The learner closes the window before the program ends.
void TestTimed::cleanup()
{
    if (m_window)
        m_window->form.close();
    m_window.reset();
}

void TestTimed::tick(qint64 ms)
{
    m_window->clock->advance(ms);
    form().Timer1Timer();
}

void TestTimed::startCountdown(Stage stage, const QString &minutes)
{
    reach(form(), stage, minutes);
    QVERIFY(!form().Startknop->isHidden());
    QTest::mouseClick(form().Startknop, Qt::LeftButton);
}

QStringList TestTimed::shownSettings()
{
    QStringList shown;
    for (const char *name : SettingsList)
        if (!form().findChild<QWidget *>(QLatin1String(name))->isHidden())
            shown << QLatin1String(name);
    return shown;
}

void TestTimed::verifyChoosingAfterReset()
{
    QVERIFY(!form().KeuzePaneel->isHidden());
    QVERIFY(form().ADOefening->isHidden());
    QVERIFY(form().Panel3->isHidden());
    QVERIFY(form().Panel8->isHidden());
    QVERIFY(form().OKKnop1->isHidden());
    QCOMPARE(form().TimerMinuten->text(), QStringLiteral("0"));
    QCOMPARE(shownSettings().size(), 10);
    QCOMPARE(form().Label6->text(), QStringLiteral("0"));
    QCOMPARE(form().Label8->text(), QStringLiteral("0"));
    QCOMPARE(form().UurInvoerVeld->text(), QString());
    QCOMPARE(form().UurInvoerVeld->palette().color(QPalette::Base), QColor(255, 255, 255));
}

void TestTimed::startBeginsCountdown_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addRow("idle") << Stage::Idle;
    QTest::addRow("choosing") << Stage::Choosing;
    QTest::addRow("running") << Stage::Running;
}

void TestTimed::startBeginsCountdown()
{
    QFETCH(Stage, stage);
    reach(form(), stage, QStringLiteral("5"));
    if (stage == Stage::Running)
        answer(form(), true);
    QTest::mouseClick(form().Startknop, Qt::LeftButton);

    QVERIFY(!form().Panel8->isHidden());
    QVERIFY(!form().KlokVenster->isHidden());
    QVERIFY(!form().OKKnop1->isHidden());
    QVERIFY(form().Startknop->isHidden());
    QVERIFY(form().ADKnop1->isHidden());
    QVERIFY(form().ADStopKnop->isHidden());
    QCOMPARE(shownSettings(), QStringList());
    QCOMPARE(form().Label6->text(), QStringLiteral("0"));
    QCOMPARE(form().Label8->text(), QStringLiteral("0"));
    QVERIFY(form().Timer1->isActive());
    tick(1000);
    QCOMPARE(form().KlokVenster->text(), QStringLiteral("0:04:59"));
}

void TestTimed::countdownReading_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("reading");
    QTest::addRow("first_tick") << "5" << qint64(1000) << "0:04:59";
    QTest::addRow("seconds_truncated") << "5" << qint64(1500) << "0:04:58";
    QTest::addRow("one_minute_left") << "5" << qint64(4 * MsPerMinute) << "0:01:00";
    QTest::addRow("last_second_reads_zero") << "5" << qint64(5 * MsPerMinute - 999) << "0:00:00";
    QTest::addRow("at_end_time_reads_zero") << "5" << qint64(5 * MsPerMinute) << "0:00:00";
    QTest::addRow("after_midnight") << "5" << qint64(150 * 1000) << "0:02:30";
    QTest::addRow("longest_first_tick") << "999" << qint64(1000) << "16:38:59";
    QTest::addRow("longest_next_day") << "999" << qint64(10 * MsPerMinute) << "16:29:00";
}

void TestTimed::countdownReading()
{
    QFETCH(QString, minutes);
    QFETCH(qint64, elapsed);
    QFETCH(QString, reading);
    startCountdown(Stage::Idle, minutes);
    tick(elapsed);
    QCOMPARE(form().KlokVenster->text(), reading);
    QVERIFY(form().Panel3->isHidden());
}

void TestTimed::endsOnlyAfterEndTime_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<bool>("ended");
    QTest::addRow("minute_before_midnight") << "5" << qint64(MsPerMinute) << false;
    QTest::addRow("at_midnight") << "5" << qint64(2 * MsPerMinute) << false;
    QTest::addRow("one_ms_before_end") << "5" << qint64(5 * MsPerMinute - 1) << false;
    QTest::addRow("at_end_time") << "5" << qint64(5 * MsPerMinute) << false;
    QTest::addRow("one_ms_after_end") << "5" << qint64(5 * MsPerMinute + 1) << true;
    QTest::addRow("longest_at_end_time") << "999" << qint64(999 * MsPerMinute) << false;
    QTest::addRow("longest_after_end") << "999" << qint64(999 * MsPerMinute + 1) << true;
}

void TestTimed::endsOnlyAfterEndTime()
{
    QFETCH(QString, minutes);
    QFETCH(qint64, elapsed);
    QFETCH(bool, ended);
    startCountdown(Stage::Running, minutes);
    tick(elapsed);
    QCOMPARE(!form().Panel3->isHidden(), ended);
    QCOMPARE(form().Timer1->isActive(), !ended);
    QCOMPARE(form().runToestand().AftellenLoopt(), !ended);
}

void TestTimed::resultPanel_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QString>("percentage");

    QTest::addRow("three_of_four_whole") << "++-+" << dutch() << "3" << "4" << "75";
    QTest::addRow("one_of_three_comma") << "+--" << dutch() << "1" << "3" << "33,3";
    QTest::addRow("one_of_three_point") << "+--" << QLocale::c() << "1" << "3" << "33.3";
    QTest::addRow("two_of_three_truncated") << "++-" << dutch() << "2" << "3" << "66,6";
    QTest::addRow("five_of_eight") << "+++++---" << dutch() << "5" << "8" << "62,5";
    QTest::addRow("all_right") << "++" << dutch() << "2" << "2" << "100";
    QTest::addRow("none_right") << "--" << dutch() << "0" << "2" << "0";
    QTest::addRow("none_answered") << "" << dutch() << "" << "" << "";
}

void TestTimed::resultPanel()
{
    QFETCH(QString, answers);
    QFETCH(QLocale, locale);
    QFETCH(QString, points);
    QFETCH(QString, tasks);
    QFETCH(QString, percentage);
    QLocale::setDefault(locale);
    startCountdown(Stage::Running, QStringLiteral("5"));
    tick(1000);
    for (QChar a : answers)
        answer(form(), a == u'+');

    tick(5 * MsPerMinute);

    QVERIFY(!form().Panel3->isHidden());
    QVERIFY(!form().OKKnop1->isHidden());
    QCOMPARE(form().Label47->text(), QStringLiteral("Puntentotaal"));
    QCOMPARE(form().Label48->text(), points);
    QCOMPARE(form().Label50->text(), QStringLiteral("OP"));
    QCOMPARE(form().Label49->text(), tasks);
    QCOMPARE(form().Label51->text(), percentage);
    QCOMPARE(form().Label52->text(), QStringLiteral("%"));
    // The last reading stays on the display.
    QVERIFY(!form().Panel8->isHidden());
    QCOMPARE(form().KlokVenster->text(), QStringLiteral("0:04:59"));
}

void TestTimed::resetDuringCountdown()
{
    startCountdown(Stage::Running, QStringLiteral("5"));
    answer(form(), true);
    QCOMPARE(form().Label6->text(), QStringLiteral("1"));

    QTest::mouseClick(form().OKKnop1, Qt::LeftButton);
    verifyChoosingAfterReset();

    tick(5 * MsPerMinute + 1);
    QVERIFY(form().Panel3->isHidden());
    QVERIFY(!form().Timer1->isActive());
    QVERIFY(!form().runToestand().AftellenLoopt());
    QCOMPARE(form().Label6->text(), QStringLiteral("0"));
}

void TestTimed::resetAfterResult()
{
    startCountdown(Stage::Running, QStringLiteral("5"));
    answer(form(), true);
    tick(5 * MsPerMinute + 1);
    QVERIFY(!form().Panel3->isHidden());

    QTest::mouseClick(form().OKKnop1, Qt::LeftButton);

    verifyChoosingAfterReset();
    QVERIFY(!form().ADStopKnop->isHidden());
}

// START from the start screen and RESET return to Idle, score kept: no run can start without
// an exercise, so no stale verdict is ever scored.
void TestTimed::resetWithoutExerciseReturnsToIdle()
{
    startCountdown(Stage::Idle, QStringLiteral("5"));
    QTest::mouseClick(form().OKKnop1, Qt::LeftButton);
    QVERIFY(!form().DigitaalAnaloog->isHidden());
    QVERIFY(form().KeuzePaneel->isHidden());
    QVERIFY(form().Panel8->isHidden());
    TForm1Probe(form()).oefening().OpgaveJuist = 1;
    form().KeuzePaneelOkKnopClick();
    form().ADOkKnopClick();
    QVERIFY(form().ADOefening->isHidden());
    QCOMPARE(form().Label8->text(), QStringLiteral("0"));
}

void TestTimed::escapePressesShownReset_data()
{
    QTest::addColumn<bool>("timed");
    QTest::addColumn<bool>("timeUp");
    QTest::addRow("untimed_run_ignores_escape") << false << false;
    QTest::addRow("countdown_resets") << true << false;
    QTest::addRow("result_resets") << true << true;
}

void TestTimed::escapePressesShownReset()
{
    QFETCH(bool, timed);
    QFETCH(bool, timeUp);
    reach(form(), Stage::Running, QStringLiteral("5"));
    if (timed)
        QTest::mouseClick(form().Startknop, Qt::LeftButton);
    if (timeUp)
        tick(5 * MsPerMinute + 1);

    pressKey(form(), Qt::Key_Escape);

    if (timed) {
        verifyChoosingAfterReset();
    } else {
        QVERIFY(!form().ADOefening->isHidden());
        QVERIFY(form().KeuzePaneel->isHidden());
        QVERIFY(!form().Startknop->isHidden());
    }
}

void TestTimed::timeUpHidesOverlay()
{
    startCountdown(Stage::Idle, QStringLiteral("1"));
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(form().Form2->isVisible());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Uit"));

    tick(MsPerMinute + 1);

    QVERIFY(!form().Panel3->isHidden());
    QVERIFY(form().Form2->isHidden());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Aan"));
}

QTEST_MAIN(TestTimed)
#include "tst_timed.moc"
