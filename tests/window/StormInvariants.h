#pragma once
// The rules the main window keeps after every event, whatever came before: panels that
// exclude each other, no run without an exercise kind, what shows as the run state's table row,
// one radio selected in each set, a score that adds up and is shown, hands and fields within range,
// run state within its values, a hand animation that comes to rest and a countdown that
// only counts down. Checked after each of many thousands of events, so every check is a
// few comparisons.
#include "WindowFixture.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <optional>
#include <utility>

namespace Storm {

inline bool shown(const QWidget *w)
{
    return !w->isHidden();
}

// Where a hand animation sets off from and where it goes: a new task starts a new one.
struct AnimationCourse
{
    int uur = 0, min = 0, sec = 0, doelUur = 0, doelMin = 0, doelSec = 0;

    static AnimationCourse of(const TForm1 &f)
    {
        return {f.klokToestand().AnimUur, f.klokToestand().AnimMin, f.klokToestand().AnimSec, f.klokToestand().AnimDoelUur, f.oefenToestand().OpgaveMin, f.oefenToestand().OpgaveSec};
    }
    bool operator==(const AnimationCourse &o) const
    {
        return uur == o.uur && min == o.min && sec == o.sec && doelUur == o.doelUur
               && doelMin == o.doelMin && doelSec == o.doelSec;
    }
};

class Invariants
{
public:
    // The animation turns each hand at most 59 steps, so it has stopped by its 60th tick.
    static constexpr int MostAnimationTicks = 60;

    // The first broken rule after an event, or an empty text.
    QString check(const TForm1 &f, bool animationTick)
    {
        QString broken = panels(f);
        if (broken.isEmpty())
            broken = shownAsTable(f);
        if (broken.isEmpty())
            broken = radios(f);
        if (broken.isEmpty())
            broken = score(f);
        if (broken.isEmpty())
            broken = ranges(f);
        if (broken.isEmpty())
            broken = fields(f);
        if (broken.isEmpty())
            broken = faceForReader(f);
        if (broken.isEmpty())
            broken = animation(f, animationTick);
        if (broken.isEmpty())
            broken = countdown(f);
        return broken;
    }

private:
    static QString panels(const TForm1 &f)
    {
        const std::pair<const QWidget *, const QWidget *> exclusive[] = {
            {f.ADOefening, f.KeuzePaneel}, {f.Startknop, f.OKKnop1}};
        for (const auto &[a, b] : exclusive)
            if (shown(a) && shown(b))
                return QStringLiteral("%1 and %2 both shown").arg(a->objectName(), b->objectName());
        if (shown(f.ADOefening) && f.runToestand().OefenType == GeenOefening)
            return QStringLiteral("ADOefening shown while OefenType is 0");
        if (!shown(f.ADKnop1))
            return {};
        for (const QWidget *w : f.instellingenLijst())
            if (shown(w))
                return QStringLiteral("ADKnop1 shown together with the setting %1").arg(w->objectName());
        return {};
    }

    // What shows is the visibility table's row for the run state the window is in.
    static QString shownAsTable(const TForm1 &f)
    {
        const Zichtbaar z = zichtbaar(f.runToestand());
        QList<std::pair<const QWidget *, bool>> rows = {
            {f.DigitaalAnaloog, z.starters}, {f.AnaloogDigitaal, z.starters}, {f.KeuzePaneel, z.keuzePaneel},
            {f.ADOefening, z.oefenPaneel},   {f.Panel3, z.uitslag},           {f.Panel8, z.aftelklok},
            {f.OKKnop1, z.aftelklok},        {f.ADStopKnop, z.stopKnop},      {f.ADKnop1, z.instellingenKnop},
            {f.Label4, z.timerVeld},         {f.TimerMinuten, z.timerVeld},   {f.Startknop, z.startKnop}};
        for (const QWidget *w : f.instellingenLijst())
            if (w != f.Label4 && w != f.TimerMinuten)
                rows.append({w, z.instellingen});
        for (const auto &[w, expected] : rows)
            if (shown(w) != expected)
                return QStringLiteral("%1 %2 in state %3").arg(w->objectName(), expected ? u"hidden" : u"shown")
                    .arg(int(f.runToestand().state));
        return {};
    }

    static QString radios(const TForm1 &f)
    {
        for (const QList<QRadioButton *> &set : WindowFixture::radioSets(f)) {
            const auto selected = std::count_if(set.cbegin(), set.cend(), [](const QRadioButton *r) { return r->isChecked(); });
            if (selected != 1)
                return QStringLiteral("%1 selected in the set of %2").arg(selected).arg(set.first()->objectName());
        }
        return {};
    }

    static QString score(const TForm1 &f)
    {
        if (f.oefenToestand().BehaaldePunten > f.oefenToestand().MaximumPunten)
            return QStringLiteral("BehaaldePunten %1 above MaximumPunten %2").arg(f.oefenToestand().BehaaldePunten).arg(f.oefenToestand().MaximumPunten);
        if (f.Label6->text() != QString::number(f.oefenToestand().BehaaldePunten) || f.Label8->text() != QString::number(f.oefenToestand().MaximumPunten))
            return QStringLiteral("score shown as %1 of %2, kept as %3 of %4")
                .arg(f.Label6->text(), f.Label8->text()).arg(f.oefenToestand().BehaaldePunten).arg(f.oefenToestand().MaximumPunten);
        return {};
    }

    static QString ranges(const TForm1 &f)
    {
        const struct { const char *name; int value; int last; } rows[] = {
            {"StandUur", f.klokToestand().StandUur, 11}, {"StandMin", f.klokToestand().StandMin, 59}, {"StandSec", f.klokToestand().StandSec, 59},
            {"GezetUur", f.klokToestand().GezetUur, 11}, {"GezetMin", f.klokToestand().GezetMin, 59}, {"GezetSec", f.klokToestand().GezetSec, 59},
            {"OefenType", f.runToestand().OefenType, AnaloogNaarDigitaal}, {"NotatieStijl", f.oefenToestand().NotatieStijl, NotatieUrenMinutenSeconden},
            {"ZetModus", f.zetToestand().ZetModus, 1},   {"GekozenWijzer", f.zetToestand().GekozenWijzer, SecondenWijzer},
        };
        for (const auto &r : rows)
            if (r.value < 0 || r.value > r.last)
                return QStringLiteral("%1 = %2, outside 0..%3").arg(QLatin1String(r.name)).arg(r.value).arg(r.last);
        return {};
    }

    // The face a screen reader finds lies over the face.
    static QString faceForReader(const TForm1 &f)
    {
        const QWidget *plaat = f.findChild<const QWidget *>(QStringLiteral("Wijzerplaat"));
        const QRect face(f.klokToestand().MiddenX - f.klokToestand().Straal, f.klokToestand().MiddenY - f.klokToestand().Straal, 2 * f.klokToestand().Straal, 2 * f.klokToestand().Straal);
        if (!plaat || plaat->geometry() != face)
            return QStringLiteral("the face for a screen reader is not over the face");
        return {};
    }

    static QString fields(const TForm1 &f)
    {
        for (const QLineEdit *veld : f.antwoordVelden())
            if (veld->text().size() > 2)
                return QStringLiteral("%1 holds \"%2\"").arg(veld->objectName(), veld->text());
        if (f.TimerMinuten->text().size() > 3)
            return QStringLiteral("TimerMinuten holds \"%1\"").arg(f.TimerMinuten->text());
        return {};
    }

    QString animation(const TForm1 &f, bool animationTick)
    {
        const AnimationCourse course = AnimationCourse::of(f);
        if (!f.Timer3->isActive() || (!animationTick && !(course == m_course)))
            m_ticks = 0;
        else if (animationTick)
            ++m_ticks;
        m_course = course;
        if (m_ticks >= MostAnimationTicks)
            return QStringLiteral("Timer3 still runs after %1 ticks").arg(m_ticks);
        return {};
    }

    // A running countdown never counts up, whatever the computer's clock does. Its display
    // keeps an earlier countdown's last reading until the first tick, so readings are
    // compared from the first change on.
    QString countdown(const TForm1 &f)
    {
        if (!f.runToestand().AftellenLoopt() || !shown(f.Panel8)) {
            m_countdownText.reset();
            m_countdownChanges = 0;
            return {};
        }
        const QString text = f.KlokVenster->text();
        if (!m_countdownText)
            m_countdownText = text;
        if (text == *m_countdownText)
            return {};
        const bool up = ++m_countdownChanges > 1 && seconds(text) > seconds(*m_countdownText);
        const QString before = std::exchange(*m_countdownText, text);
        return up ? QStringLiteral("the countdown went up from %1 to %2").arg(before, text) : QString();
    }

    // A reading such as 0:04:59 in seconds.
    static qint64 seconds(const QString &reading)
    {
        qint64 total = 0;
        static const QRegularExpression notDigits(QStringLiteral("\\D+"));
        for (const QString &part : reading.split(notDigits, Qt::SkipEmptyParts))
            total = total * 60 + part.toLongLong();
        return total;
    }

    int m_ticks = 0;
    AnimationCourse m_course;
    std::optional<QString> m_countdownText;
    int m_countdownChanges = 0;
};

} // namespace Storm
