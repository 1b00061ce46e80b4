#pragma once
// What the exercise window tests share: a window on a clock that stands still at 10:08:30
// with scripted random draws, and the gestures of a learner: clicking named controls,
// pointing at a minute mark, typing, and looking at the hands on the window's surface.
#include "FormFixture.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace OefenFixture {

enum Soort { DigitaalAnaloog = 1, AnaloogDigitaal = 2 };

using DesignColour::Background;
using DesignColour::Black;
using DesignColour::Blue;
using DesignColour::Green;
using DesignColour::Red;
using DesignColour::White;
using DesignColour::Yellow;

// The hour is drawn first (again while it equals the previous task's hour), then the
// minutes by level, then the seconds; the list is used round and round.
inline std::unique_ptr<TForm1> maakVenster(QList<int> worpen = {3, 5})
{
    const QDateTime nu(QDate(2024, 3, 5), QTime(10, 8, 30));
    auto venster = std::make_unique<TForm1>(std::make_shared<FixedClock>(nu),
                                            std::make_shared<ScriptedRandomSource>(std::move(worpen)));
    FormFixture::holdTimers(*venster);
    return venster;
}

inline bool toonActief(TForm1 &f)
{
    f.show();
    return QTest::qWaitForWindowActive(&f);
}

inline void klik(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

// A click on a control of the window named as in the layout (a radio button, a check box).
inline void klikOp(TForm1 &f, const QString &naam)
{
    QWidget *w = f.findChild<QWidget *>(naam);
    QVERIFY2(w, qPrintable(naam));
    klik(w);
}

inline void klikStarter(TForm1 &f, int soort)
{
    klik(soort == DigitaalAnaloog ? f.DigitaalAnaloog : f.AnaloogDigitaal);
}

// Opens the choice panel with a starter, clicks the named choices and settings, presses OK.
inline void start(TForm1 &f, Soort soort, const QStringList &keuzes = {})
{
    klikStarter(f, soort);
    for (const QString &naam : keuzes)
        klikOp(f, naam);
    klik(f.KeuzePaneelOkKnop);
}

inline void typ(EditField *veld, const QString &tekst)
{
    QTest::keyClicks(veld, tekst);
}

// Answers the task with OK and a fresh task comes, so a test can reach a task that the
// first draw of a run cannot give (hour 0).
inline void overslaan(TForm1 &f, int aantal)
{
    for (int i = 0; i < aantal; ++i)
        klik(f.ADOkKnop);
}

// The pointer over a place of the mark that no other control covers; it comes from the
// middle of the face, so every call is a real move.
inline bool wijsAan(TForm1 &f, int merk)
{
    QWidget *m = f.MinuutMerken[merk];
    QTest::mouseMove(&f, QPoint(f.klok.MiddenX, f.klok.MiddenY));
    const QRect r = m->geometry();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (f.childAt(x, y) == m) {
                QTest::mouseMove(m, m->mapFrom(&f, QPoint(x, y)));
                return true;
            }
    return false;
}

// Pick the hand up by its knob, point it at the mark and put it down there.
inline bool zetWijzer(TForm1 &f, ShapeKnob *knop, int merk)
{
    QTest::mouseClick(knop, Qt::LeftButton);
    if (!wijsAan(f, merk))
        return false;
    klik(f.MinuutMerken[merk]);
    return true;
}

// Ticks of the hand animation, as long as its timer runs: a stopped timer sends none.
inline void tikAnimatie(TForm1 &f, int ticks)
{
    for (int i = 0; i < ticks && f.Timer3->isActive(); ++i)
        f.Timer3Timer();
}

// Whether the hand from the centre to its end point shows in the colour along its middle
// part (each sample may be a pixel off the ideal line).
inline bool wijzerIn(const TForm1 &f, const QPoint &eind, const QColor &kleur)
{
    const QImage &beeld = f.surface();
    const QPoint midden(f.klok.MiddenX, f.klok.MiddenY);
    for (int tiende = 3; tiende <= 7; ++tiende) {
        const QPoint p = midden + (eind - midden) * tiende / 10;
        bool gevonden = false;
        for (int dy = -1; dy <= 1 && !gevonden; ++dy)
            for (int dx = -1; dx <= 1 && !gevonden; ++dx)
                gevonden = beeld.pixelColor(p + QPoint(dx, dy)) == kleur;
        if (!gevonden)
            return false;
    }
    return true;
}

inline QColor achtergrondVan(const EditField *veld)
{
    return veld->palette().color(QPalette::Base);
}

inline QColor tekstkleurVan(const QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

inline QColor merkKleur(const TForm1 &f, int merk)
{
    return f.MinuutMerken[merk]->palette().color(QPalette::WindowText);
}

} // namespace OefenFixture
