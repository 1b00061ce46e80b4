// Many thousands of random but possible learner actions on the shown window, from fixed
// seeds; after each one the window must still keep its rules. A broken rule names the
// seed, the number of the action and what it was, so the run can be repeated.
#include "StormInvariants.h"
#include "StormUser.h"
#include "WindowFixture.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QUrl>

#include <optional>

namespace {
constexpr quint32 DefaultSeeds[] = {1, 20261231, 4242, 77, 314159};
constexpr int DefaultEventsPerSeed = 20000;
constexpr int EventsToRecall = 12;

// TIKARA_STORM_SEEDS (comma-separated) and TIKARA_STORM_EVENTS (events per seed) steer a
// storm; unset, the fixed defaults run. A value that does not read gives nothing.
std::optional<QList<quint32>> stormSeeds()
{
    const QByteArray given = qgetenv("TIKARA_STORM_SEEDS");
    if (given.isEmpty())
        return QList<quint32>(std::begin(DefaultSeeds), std::end(DefaultSeeds));
    QList<quint32> seeds;
    for (const QByteArray &text : given.split(',')) {
        bool ok = false;
        seeds << text.trimmed().toUInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return seeds;
}

std::optional<int> stormEvents()
{
    const QByteArray given = qgetenv("TIKARA_STORM_EVENTS");
    if (given.isEmpty())
        return DefaultEventsPerSeed;
    bool ok = false;
    const int events = given.trimmed().toInt(&ok);
    return ok && events > 0 ? std::optional<int>(events) : std::nullopt;
}

// How many events found the window in each of the states worth reaching, so a storm that
// never gets anywhere shows in the output.
struct Reached
{
    int digitalRun = 0, analogRun = 0, choosing = 0, countdown = 0, result = 0, handPicked = 0, questionHeld = 0;
    int reactivated = 0;

    void note(const TForm1 &f)
    {
        const bool run = !f.ADOefening->isHidden();
        digitalRun += run && f.runToestand().OefenType == DigitaalNaarAnaloog;
        analogRun += run && f.runToestand().OefenType == AnaloogNaarDigitaal;
        choosing += !f.KeuzePaneel->isHidden();
        countdown += f.runToestand().AftellenLoopt() && f.Timer1->isActive();
        result += !f.Panel3->isHidden();
        handPicked += f.zetToestand().ZetModus == 1;
        questionHeld += f.oefenToestand().ToonControle;
    }
    QString summary() const
    {
        return QStringLiteral("digital run %1, analog run %2, choosing %3, countdown %4, result %5, hand picked up %6, "
                              "\"?\" held %7")
            .arg(digitalRun).arg(analogRun).arg(choosing).arg(countdown).arg(result).arg(handPicked).arg(questionHeld);
    }
};

// Thirty seconds to midnight on New Year's Eve, so the clock soon runs into the next day.
QDateTime stormStart()
{
    return QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30));
}

// The offscreen platform cannot raise the overlay or cut it to its mask, and says so each
// time the overlay opens; hundreds of those lines would bury the storm's own report.
QtMessageHandler testLogger = nullptr;

void dropPlatformLimits(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"))
        return;
    testLogger(type, context, message);
}
}

class TestStorm : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    // Stands in for the browser; the web sites are never opened for real.
    void openUrl(const QUrl &) { ++m_urlsAsked; }

protected:
    // Tooltips come after real time has passed and would take pointer moves meant for the
    // window, so the same seed could take another course on a slower machine.
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::ToolTip; }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rulesHoldUnderRandomUse_data();
    void rulesHoldUnderRandomUse();
    void coursesThatBrokeRules_data();
    void coursesThatBrokeRules();

private:
    QString storm(TForm1 &form, FixedClock &clock, quint32 seed, Reached &reached);

    int m_urlsAsked = 0;
    int m_eventsPerSeed = DefaultEventsPerSeed;
};

void TestStorm::initTestCase()
{
    QVERIFY2(stormSeeds(), "TIKARA_STORM_SEEDS must be whole numbers separated by commas");
    const std::optional<int> events = stormEvents();
    QVERIFY2(events, "TIKARA_STORM_EVENTS must be a whole number above 0");
    m_eventsPerSeed = *events;
    qInfo("storm: %lld seeds x %d events", stormSeeds()->size(), m_eventsPerSeed);
    testLogger = qInstallMessageHandler(dropPlatformLimits);
    qApp->installEventFilter(this);
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
}

void TestStorm::cleanupTestCase()
{
    qApp->removeEventFilter(this);
    qInstallMessageHandler(testLogger);
    for (const char *scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestStorm::rulesHoldUnderRandomUse_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : stormSeeds().value_or(QList<quint32>()))
        QTest::addRow("seed_%u", seed) << seed;
}

void TestStorm::rulesHoldUnderRandomUse()
{
    QFETCH(quint32, seed);
    auto clock = std::make_shared<FixedClock>(stormStart());
    TForm1 form(clock, std::make_shared<SeededRandomSource>(seed));
    // The storm itself decides when a timer ticks.
    WindowFixture::holdTimers(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    m_urlsAsked = 0;
    Reached reached;
    QElapsedTimer duration;
    duration.start();

    const QString broken = storm(form, *clock, seed, reached);

    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    qInfo("seed %u: %d events in %lld ms, %d web addresses asked, window activated again %d times, ending on %s",
          seed, m_eventsPerSeed, duration.elapsed(), m_urlsAsked, reached.reactivated,
          qPrintable(clock->now().toString(u"yyyy-MM-dd hh:mm")));
    qInfo("seed %u, events in each state: %s", seed, qPrintable(reached.summary()));
}

// The first broken rule with the seed, the event's number and the events up to it, or an empty text.
QString TestStorm::storm(TForm1 &form, FixedClock &clock, quint32 seed, Reached &reached)
{
    Storm::User user(form, clock, seed);
    Storm::Invariants rules;
    QStringList recent;
    QString broken;
    int n = 1;
    for (; n <= m_eventsPerSeed && broken.isEmpty(); ++n) {
        const QString what = user.act();
        recent << QStringLiteral("%1: %2").arg(n).arg(what);
        if (recent.size() > EventsToRecall)
            recent.removeFirst();
        broken = rules.check(form, user.wasAnimationTick());
        if (!broken.isEmpty())
            broken = QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(n).arg(what, broken);
        reached.note(form);
        // The overlay takes the focus when it opens; the learner clicks back on the window.
        if (broken.isEmpty() && QApplication::activeWindow() != &form) {
            form.activateWindow();
            if (!QTest::qWaitForWindowActive(&form))
                broken = QStringLiteral("seed %1, event %2 (%3): the window cannot be activated again").arg(seed).arg(n).arg(what);
            ++reached.reactivated;
        }
    }
    user.letGo();
    if (!broken.isEmpty())
        broken += QStringLiteral("\nthe events up to it:\n") + recent.join(u'\n');
    return broken;
}

// Short courses through the window that once broke a rule, each cut down from a storm:
// "minutes:n" enters n in the timer field and leaves it, any other step clicks the named
// control when it is shown (nobody clicks what is hidden).
void TestStorm::coursesThatBrokeRules_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addRow("face_for_a_screen_reader_made_before_the_face_had_its_size") << QStringList{"AnaloogDigitaal"};
    QTest::addRow("start_in_choice_panel_then_ok")
        << QStringList{"AnaloogDigitaal", "minutes:5", "Startknop", "KeuzePaneelOkKnop"};
    QTest::addRow("new_minutes_after_terug_during_countdown")
        << QStringList{"AnaloogDigitaal", "minutes:5", "Startknop", "KeuzePaneelTerugKnop", "AnaloogDigitaal", "minutes:5"};
    QTest::addRow("new_minutes_in_choice_panel_during_countdown")
        << QStringList{"minutes:5", "Startknop", "DigitaalAnaloog", "minutes:5"};
    QTest::addRow("starter_after_reset_of_countdown_from_start_screen")
        << QStringList{"minutes:5", "Startknop", "OKKnop1", "KeuzePaneelOkKnop", "DigitaalAnaloog"};
    QTest::addRow("run_without_kind_after_reset_of_countdown_from_start_screen")
        << QStringList{"minutes:5", "Startknop", "OKKnop1", "KeuzePaneelOkKnop"};
    QTest::addRow("run_without_kind_after_terug_and_reset_of_countdown")
        << QStringList{"DigitaalAnaloog", "minutes:5", "Startknop", "KeuzePaneelTerugKnop", "OKKnop1", "KeuzePaneelOkKnop"};
}

void TestStorm::coursesThatBrokeRules()
{
    QFETCH(QStringList, steps);
    WindowFixture::Window window;
    QVERIFY(WindowFixture::showActive(window.form));
    TForm1 &form = window.form;
    Storm::Invariants rules;
    for (const QString &step : steps) {
        if (step.startsWith(u"minutes:")) {
            WindowFixture::enterMinutes(form, step.section(u':', 1));
        } else {
            QWidget *control = form.findChild<QWidget *>(step);
            QVERIFY2(control, qPrintable(step));
            if (control->isVisible())
                QTest::mouseClick(control, Qt::LeftButton);
        }
        const QString broken = rules.check(form, false);
        QVERIFY2(broken.isEmpty(), qPrintable(step + QStringLiteral(": ") + broken));
    }
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
