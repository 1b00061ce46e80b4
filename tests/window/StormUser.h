#pragma once
// A learner who does anything the window allows, at random from a seed: clicks wherever a
// control is on top, points at marks and knobs, types into whatever has the focus, holds
// "?" down and lets go, and lets time pass: each timer ticks only while it runs, and the
// clock moves on by a tick, by minutes or hours, or to the end of a running countdown.
#include "app/Unit1.h"
#include "clock/core/Clock.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

namespace Storm {

// The name a learner would give what was hit: the control itself or the control it is part of.
inline QString nameOf(const QWidget *w)
{
    for (const QObject *o = w; o; o = o->parent())
        if (!o->objectName().isEmpty())
            return o->objectName();
    return QString::fromLatin1(w->metaObject()->className());
}

class User
{
public:
    User(TForm1 &form, FixedClock &clock, quint32 seed) : m_form(form), m_clock(clock), m_random(seed) {}

    // Does one thing and says what it was.
    QString act()
    {
        m_animationTick = false;
        if (m_holdingQuestion)
            return pick(2) == 0 ? releaseQuestion() : tick();
        if (m_waitTicks > 0 && m_form.Timer3->isActive()) {
            --m_waitTicks;
            return tick();
        }
        // Out of a hundred: what the learner does next.
        static const struct { int share; QString (User::*action)(); } actions[] = {
            {34, &User::click}, {16, &User::pointAt}, {22, &User::type}, {4, &User::pressQuestion},
            {2, &User::waitForHands}, {20, &User::tick}, {2, &User::jump}};
        int roll = pick(100);
        for (const auto &a : actions) {
            if (roll < a.share)
                return (this->*a.action)();
            roll -= a.share;
        }
        return tick();
    }

    bool wasAnimationTick() const { return m_animationTick; }

    // The learner's hand comes off the mouse at the end.
    void letGo()
    {
        if (m_holdingQuestion)
            releaseQuestion();
    }

private:
    int pick(int n) { return int(m_random.bounded(n)); }
    QPoint somewhereIn(const QWidget *w) { return {pick(w->width()), pick(w->height())}; }

    bool reachable(const QWidget *w) const
    {
        return w->isVisible() && w->isEnabled() && w->window() == &m_form;
    }

    // Every named control on the window that can be clicked now, grouped by kind so that
    // the few buttons are not drowned by the many labels.
    QList<QList<QWidget *>> controlsByKind() const
    {
        QList<QList<QWidget *>> kinds(5);
        const auto all = m_form.findChildren<QWidget *>();
        for (QWidget *w : all) {
            if (w->objectName().isEmpty() || !reachable(w))
                continue;
            const bool mark = w->objectName().startsWith(u'M') && qobject_cast<ClickLabel *>(w);
            const int kind = qobject_cast<QAbstractButton *>(w) ? 0 : qobject_cast<QLineEdit *>(w) ? 1
                             : qobject_cast<ShapeKnob *>(w) ? 2 : mark ? 3 : 4;
            kinds[kind] << w;
        }
        kinds.removeIf([](const QList<QWidget *> &k) { return k.isEmpty(); });
        return kinds;
    }

    // The click lands on whatever is on top at that point of the control; the STOP
    // picture is never clicked, as it ends the program.
    QString click()
    {
        const QList<QList<QWidget *>> kinds = controlsByKind();
        const QList<QWidget *> &kind = kinds.at(pick(int(kinds.size())));
        QWidget *aimed = kind.at(pick(int(kind.size())));
        const QPoint at = aimed->mapTo(&m_form, somewhereIn(aimed));
        QWidget *hit = m_form.childAt(at);
        if (!hit || nameOf(hit) == u"Image4")
            return QStringLiteral("no click (aimed at %1)").arg(nameOf(aimed));
        const QPoint local = hit->mapFrom(&m_form, at);
        QTest::mouseClick(hit, Qt::LeftButton, {}, local);
        return QStringLiteral("click on %1 at %2,%3").arg(nameOf(hit)).arg(at.x()).arg(at.y());
    }

    QString pointAt()
    {
        QList<QWidget *> targets;
        for (QWidget *w : m_form.MinuutMerken)
            targets << w;
        for (QWidget *k : m_form.knoppen())
            if (reachable(k))
                targets << k;
        QWidget *target = targets.at(pick(int(targets.size())));
        const QPoint at = target->mapTo(&m_form, somewhereIn(target));
        QTest::mouseMove(&m_form, at);
        return QStringLiteral("pointer over %1 at %2,%3").arg(target->objectName()).arg(at.x()).arg(at.y());
    }

    QString type()
    {
        QWidget *focus = QApplication::focusWidget();
        QWidget *target = focus && m_form.isAncestorOf(focus) ? focus : &m_form;
        static const struct { Qt::Key key; const char *text; } specials[] = {
            {Qt::Key_Return, "Enter"}, {Qt::Key_Tab, "Tab"}, {Qt::Key_Escape, "Escape"}, {Qt::Key_Backspace, "Backspace"}};
        // Digits most of the time, as for an answer, else letters, signs and blanks.
        static const char characters[] = "0123456789012345678901234567890123456789azQx-+-+  ";
        const int roll = pick(100);
        if (roll < 25) {
            const auto &s = specials[pick(4)];
            QTest::keyClick(target, s.key);
            return QStringLiteral("key %1 to %2").arg(QLatin1String(s.text), nameOf(target));
        }
        const char c = characters[pick(int(sizeof characters) - 1)];
        QTest::keyClick(target, c);
        return QStringLiteral("key '%1' to %2").arg(QLatin1Char(c)).arg(nameOf(target));
    }

    QString pressQuestion()
    {
        QWidget *vraag = m_form.ADControleKnop;
        const QPoint at = vraag->mapTo(&m_form, somewhereIn(vraag));
        if (!reachable(vraag) || m_form.childAt(at) != vraag)
            return tick();
        QTest::mousePress(vraag, Qt::LeftButton, {}, vraag->mapFrom(&m_form, at));
        m_holdingQuestion = true;
        return QStringLiteral("press on ADControleKnop");
    }

    QString releaseQuestion()
    {
        QTest::mouseRelease(m_form.ADControleKnop, Qt::LeftButton, {}, QPoint(2, 2));
        m_holdingQuestion = false;
        return QStringLiteral("release of ADControleKnop");
    }

    // The learner waits and watches the hands turn.
    QString waitForHands()
    {
        m_waitTicks = 1 + pick(70);
        return tick();
    }

    // A running timer ticks after its interval, now and then after a long pause.
    QString tick()
    {
        struct Running { QTimer *timer; void (TForm1::*slot)(); qint64 ms; };
        QList<Running> running;
        if (m_form.Timer1->isActive())
            running << Running{m_form.Timer1, &TForm1::Timer1Timer, 900 + pick(200)};
        if (m_form.Timer2->isActive())
            running << Running{m_form.Timer2, &TForm1::Timer2Timer, 900 + pick(200)};
        if (m_form.Timer3->isActive())
            running << Running{m_form.Timer3, &TForm1::Timer3Timer, 15};
        if (running.isEmpty()) {
            m_clock.advance(1000);
            return QStringLiteral("a second passes, no timer runs");
        }
        // The animation ticks 66 times as often as the other timers.
        const Running &r = m_form.Timer3->isActive() && pick(3) > 0 ? running.last() : running.at(pick(int(running.size())));
        const qint64 ms = pick(50) == 0 ? qint64(pick(3 * 3600)) * 1000 : r.ms;
        m_clock.advance(ms);
        m_animationTick = r.timer == m_form.Timer3;
        (m_form.*r.slot)();
        return QStringLiteral("%1 tick after %2 ms, now %3")
            .arg(r.timer->objectName()).arg(ms).arg(m_clock.now().toString(u"dd-MM hh:mm:ss.zzz"));
    }

    // The clock jumps close to the end of a running countdown, hours on, or back by minutes
    // to days, as when the computer's clock is set back.
    QString jump()
    {
        const int roll = pick(3);
        if (roll == 0 && m_form.runToestand().AftellenLoopt() && m_form.Timer1->isActive()) {
            m_clock.set(m_form.aftelToestand().EindTijd.addMSecs(pick(2001) - 1000));
            m_form.Timer1Timer();
            return QStringLiteral("countdown end %1, Timer1 tick at %2")
                .arg(m_form.aftelToestand().EindTijd.toString(u"hh:mm:ss.zzz"), m_clock.now().toString(u"hh:mm:ss.zzz"));
        }
        constexpr qint64 minute = 60LL * 1000;
        const qint64 ms = roll == 1 ? -qint64(1 + pick(3 * 24 * 60)) * minute : qint64(pick(12 * 60)) * minute;
        m_clock.advance(ms);
        return QStringLiteral("the clock jumps %1 to %2")
            .arg(ms < 0 ? QStringLiteral("back") : QStringLiteral("on"), m_clock.now().toString(u"dd-MM hh:mm:ss"));
    }

    TForm1 &m_form;
    FixedClock &m_clock;
    QRandomGenerator m_random;
    bool m_holdingQuestion = false;
    bool m_animationTick = false;
    int m_waitTicks = 0;
};

} // namespace Storm
