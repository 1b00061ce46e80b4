// What the learner finds when the program has started, the first ticks of the two clock
// timers, and the digital clock's text.
#include "WindowFixture.h"

using namespace WindowFixture;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void fontsMatchWhileLoadedInBackground_data();
    void fontsMatchWhileLoadedInBackground();
    void cleanup();

    void scoreCleared();
    void timers_data();
    void timers();
    void visibility_data();
    void visibility();
    void faceGeometry();
    void firstEndPointsPointStraightUp();
    void marksStandOnTheirCircle_data();
    void marksStandOnTheirCircle();
    void firstAnimationTickDrawsTwelveOClockAndStops();
    void liveClockTickMovesHands();
    void liveClockTickWithClockStoppedOnlyShowsTime();
    void animationEndsAtTaskTime_data();
    void animationEndsAtTaskTime();
    void digitalClockText_data();
    void digitalClockText();

private:
    std::unique_ptr<Window> m_window;
};

void TestStartup::initTestCase()
{
    // The C locale writes the long time as HH:mm:ss.
    QLocale::setDefault(QLocale::c());
    // As the program starts: the first window is built while the fonts are still being read.
    Theme::install();
    Theme::loadFontsInBackground();
}

void TestStartup::init()
{
    m_window = std::make_unique<Window>();
}

void TestStartup::cleanup()
{
    m_window.reset();
    QLocale::setDefault(QLocale::c());
}

void TestStartup::fontsMatchWhileLoadedInBackground_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("bold");
    QTest::addRow("settings_group") << "Instellingen" << true;
    QTest::addRow("score_caption") << "Label41" << true;
    QTest::addRow("numeral_mark") << "M5" << true;
    QTest::addRow("timer_caption") << "Label4" << true;
}

// Every text finds the narrow sans-serif face the layout was measured with, even when the
// window was built while the font list was still being read.
void TestStartup::fontsMatchWhileLoadedInBackground()
{
    QFETCH(QString, control);
    QFETCH(bool, bold);
    const auto *widget = m_window->form.findChild<QWidget *>(control);
    QVERIFY(widget);
    const QFontInfo info(widget->font());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.bold(), bold);
}

void TestStartup::scoreCleared()
{
    const TForm1 &form = m_window->form;
    QCOMPARE(form.Label6->text(), QStringLiteral("0"));
    QCOMPARE(form.Label8->text(), QStringLiteral("0"));
    QCOMPARE(form.oefenToestand().BehaaldePunten, 0);
    QCOMPARE(form.oefenToestand().MaximumPunten, 0);
    QCOMPARE(form.oefenToestand().VorigOpgaveUur, 0);
}

void TestStartup::timers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("running");

    QTest::addRow("Timer1_countdown_stopped") << "Timer1" << 1000 << false;
    QTest::addRow("Timer2_live_clock_running") << "Timer2" << 1000 << true;
    QTest::addRow("Timer3_animation_running") << "Timer3" << 15 << true;
}

void TestStartup::timers()
{
    QFETCH(QString, name);
    QFETCH(int, interval);
    QFETCH(bool, running);

    const auto *timer = m_window->form.findChild<QTimer *>(name);
    QVERIFY2(timer, qPrintable(name + QStringLiteral(" is missing")));
    QCOMPARE(timer->interval(), interval);
    QCOMPARE(timer->isActive(), running);
}

void TestStartup::visibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");

    QTest::addRow("countdown_frame_hidden") << "Panel8" << false;
    QTest::addRow("DigitaalAnaloog_shown") << "DigitaalAnaloog" << true;
    QTest::addRow("AnaloogDigitaal_shown") << "AnaloogDigitaal" << true;
    QTest::addRow("TwaalfUren_shown") << "TwaalfUren" << true;
    QTest::addRow("VierentwintigUren_shown") << "VierentwintigUren" << true;
    QTest::addRow("Label4_shown") << "Label4" << true;
    QTest::addRow("TimerMinuten_shown") << "TimerMinuten" << true;
    QTest::addRow("SecondenAan_shown") << "SecondenAan" << true;
    QTest::addRow("WijzerCorrectie_shown") << "WijzerCorrectie" << true;
    QTest::addRow("VraagtekenAan_shown") << "VraagtekenAan" << true;
    QTest::addRow("Cijfers_shown") << "Cijfers" << true;
    QTest::addRow("Punten_shown") << "Punten" << true;
    QTest::addRow("Romeins_shown") << "Romeins" << true;
    QTest::addRow("ADKnop1_hidden") << "ADKnop1" << false;
}

void TestStartup::visibility()
{
    QFETCH(QString, name);
    QFETCH(bool, shown);

    const auto *w = m_window->form.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(!w->isHidden(), shown);
}

void TestStartup::faceGeometry()
{
    const TForm1 &form = m_window->form;
    QCOMPARE(form.klokToestand().MiddenX, 201);
    QCOMPARE(form.klokToestand().MiddenY, 289);
    QCOMPARE(form.klokToestand().Straal, 189);
    QVERIFY(form.klokToestand().KlokLoopt);
    QCOMPARE(form.runToestand().OefenType, int(GeenOefening));
    QCOMPARE(form.klokToestand().StandUur, quint16(0));
    QCOMPARE(form.klokToestand().StandMin, quint16(0));
    QCOMPARE(form.klokToestand().StandSec, quint16(0));
}

// The segments the first erase of each hand paints over: radius - 23, - 60 and - 90 up.
void TestStartup::firstEndPointsPointStraightUp()
{
    const TForm1 &form = m_window->form;
    QCOMPARE(form.klokToestand().SecEindpunt, QPoint(201, 123));
    QCOMPARE(form.klokToestand().MinEindpunt, QPoint(201, 160));
    QCOMPARE(form.klokToestand().UurEindpunt, QPoint(201, 190));
}

void TestStartup::marksStandOnTheirCircle_data()
{
    QTest::addColumn<int>("minute");
    QTest::addColumn<QPoint>("topLeft");

    QTest::addRow("M0_twelve") << 0 << QPoint(179, 107);
    QTest::addRow("M15_three") << 15 << QPoint(355, 280);
    QTest::addRow("M30_six") << 30 << QPoint(184, 452);
    QTest::addRow("M45_nine") << 45 << QPoint(12, 280);
    QTest::addRow("M1_dot_cut_towards_zero") << 1 << QPoint(215, 114);
    QTest::addRow("M59_dot") << 59 << QPoint(180, 114);
    QTest::addRow("M5_half_way_product_cut") << 5 << QPoint(270, 132);
}

void TestStartup::marksStandOnTheirCircle()
{
    QFETCH(int, minute);
    QFETCH(QPoint, topLeft);

    const auto *mark = m_window->form.findChild<QLabel *>(QStringLiteral("M%1").arg(minute));
    QVERIFY(mark);
    QCOMPARE(mark->pos(), topLeft);
}

void TestStartup::firstAnimationTickDrawsTwelveOClockAndStops()
{
    TForm1 &form = m_window->form;
    form.Timer3Timer();

    QVERIFY(!form.Timer3->isActive());
    QCOMPARE(form.klokToestand().StandUur, quint16(0));
    QCOMPARE(form.klokToestand().StandMin, quint16(0));
    QCOMPARE(form.klokToestand().StandSec, quint16(0));
    // The hour hand is six pixels wide: two pixels either side of the thinner hands' line.
    for (int y = MiddenY - HourLength; y < MiddenY - 5; ++y) {
        QCOMPARE(pixelAt(form, {MiddenX - 2, y}), Black);
        QCOMPARE(pixelAt(form, {MiddenX + 2, y}), Black);
    }
    QCOMPARE(pixelAt(form, {MiddenX, MiddenY - SecondsLength}), Black);
    QCOMPARE(pixelAt(form, {MiddenX, MiddenY + 40}), Background);
}

void TestStartup::liveClockTickMovesHands()
{
    TForm1 &form = m_window->form;
    form.Timer3Timer();
    form.Timer2Timer();

    QCOMPARE(form.klokToestand().StandUur, quint16(10));
    QCOMPARE(form.klokToestand().StandMin, quint16(8));
    QCOMPARE(form.klokToestand().StandSec, quint16(30));
    QCOMPARE(form.DigiKlok->text(), QStringLiteral("10:08:30"));
    // Twelve o'clock is gone; the seconds hand points straight down.
    QCOMPARE(pixelAt(form, {MiddenX + 2, MiddenY - 60}), Background);
    QCOMPARE(pixelAt(form, {MiddenX, MiddenY + SecondsLength}), Black);
    QCOMPARE(pixelAt(form, {MiddenX, MiddenY + 83}), Black);
    QCOMPARE(form.klokToestand().UurEindpunt, QPoint(103, 223)); // 10 hours and 8 minutes: 304 degrees
}

void TestStartup::liveClockTickWithClockStoppedOnlyShowsTime()
{
    TForm1 &form = m_window->form;
    form.Timer3Timer();
    TForm1Probe(form).klok().KlokLoopt = false;
    const QImage before = form.surface().copy();
    form.Timer2Timer();

    QCOMPARE(form.DigiKlok->text(), QStringLiteral("10:08:30"));
    QCOMPARE(form.klokToestand().StandUur, quint16(0));
    QCOMPARE(form.klokToestand().StandMin, quint16(0));
    QCOMPARE(form.klokToestand().StandSec, quint16(0));
    QCOMPARE(form.surface(), before);
}

void TestStartup::animationEndsAtTaskTime_data()
{
    QTest::addColumn<int>("opgaveUur");
    QTest::addRow("task_2_05_00") << 2;
    QTest::addRow("afternoon_task_14_05_00") << 14;
}

// Hands at 10:50:30 turn forward to 2:05:00; the seconds hand has the longest way, 30 steps.
void TestStartup::animationEndsAtTaskTime()
{
    QFETCH(int, opgaveUur);

    TForm1 &form = m_window->form;
    TForm1Probe(form).klok().KlokLoopt = false;
    TForm1Probe(form).klok().AnimUur = 10;
    TForm1Probe(form).klok().AnimMin = 50;
    TForm1Probe(form).klok().AnimSec = 30;
    TForm1Probe(form).klok().AnimDoelUur = opgaveUur;
    TForm1Probe(form).oefening().OpgaveUur = opgaveUur;
    TForm1Probe(form).oefening().OpgaveMin = 5;
    TForm1Probe(form).oefening().OpgaveSec = 0;
    int ticks = 0;
    while (form.Timer3->isActive() && ticks < 100) {
        form.Timer3Timer();
        ++ticks;
    }

    QCOMPARE(ticks, 30);
    QCOMPARE(form.klokToestand().StandUur, quint16(2));
    QCOMPARE(form.klokToestand().StandMin, quint16(5));
    QCOMPARE(form.klokToestand().StandSec, quint16(0));
    // The last drawing corrects the hour hand by the task's 5 minutes: 62.5 degrees.
    QCOMPARE(form.klokToestand().UurEindpunt, QPoint(306, 235));
    QCOMPARE(pixelAt(form, {306, 235}), Black);
    QCOMPARE(pixelAt(form, {MiddenX, MiddenY - 83}), Black);
}

void TestStartup::digitalClockText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twentyFourHours");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hourHand");
    QTest::addColumn<QLocale>("locale");

    const QLocale c = QLocale::c();
    QTest::addRow("afternoon_12h_shows_1") << QTime(13, 5, 9) << false << "01:05:09" << 1 << c;
    QTest::addRow("afternoon_24h_shows_13") << QTime(13, 5, 9) << true << "13:05:09" << 1 << c;
    QTest::addRow("noon_12h_stays_12") << QTime(12, 30, 0) << false << "12:30:00" << 0 << c;
    QTest::addRow("midnight_12h_stays_0") << QTime(0, 15, 0) << false << "00:15:00" << 0 << c;
    QTest::addRow("midnight_24h") << QTime(0, 15, 0) << true << "00:15:00" << 0 << c;
    QTest::addRow("morning_12h") << QTime(9, 59, 59) << false << "09:59:59" << 9 << c;
    QTest::addRow("last_second_12h") << QTime(23, 59, 59) << false << "11:59:59" << 11 << c;
    QTest::addRow("last_second_24h") << QTime(23, 59, 59) << true << "23:59:59" << 11 << c;
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("american_afternoon_12h_fits") << QTime(13, 5, 12) << false << "1:05:12" << 1 << american;
    QTest::addRow("american_afternoon_24h_fits") << QTime(23, 59, 58) << true << "23:59:58" << 11 << american;
    QTest::addRow("egyptian_afternoon_24h_fits") << QTime(23, 59, 58) << true
        << QString::fromUtf16(u"\u0662\u0663:\u0665\u0669:\u0665\u0668") << 11 << QLocale(QStringLiteral("ar_EG"));
}

// The digital clock in the user's language shows the time whole in its 72-pixel box.
void TestStartup::digitalClockText()
{
    QFETCH(QTime, time);
    QFETCH(bool, twentyFourHours);
    QFETCH(QString, text);
    QFETCH(int, hourHand);
    QFETCH(QLocale, locale);

    QLocale::setDefault(locale);
    TForm1 &form = m_window->form;
    if (twentyFourHours)
        form.VierentwintigUren->click();
    m_window->clock->set(QDateTime(QDate(2024, 5, 17), time));
    form.Timer2Timer();

    QCOMPARE(form.DigiKlok->text(), text);
    QCOMPARE(int(form.klokToestand().StandUur), hourHand);
    QVERIFY(form.DigiKlok->fontMetrics().horizontalAdvance(text) <= form.DigiKlok->contentsRect().width());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
