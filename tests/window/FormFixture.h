#pragma once
// Shared set-up of the window tests: the main window on a clock that stands still and a
// fixed random sequence, the face of the 799 x 620 window as the design measures it, and
// helpers to read the hands off the drawing surface and the colour of a minute mark.
#include "DesignColours.h"
#include "app/Unit1.h"
#include "clock/core/Clock.h"
#include "exercise/core/RandomSource.h"

#include <QtTest>

#include <cmath>
#include <memory>

namespace FormFixture {

// Outer size 805 x 642: centre 201, 289 and radius 189.
constexpr int MiddenX = 201;
constexpr int MiddenY = 289;

// Hand lengths from the centre: radius - 23, - 50 and - 70.
constexpr int SecondsLength = 166;
constexpr int MinuteLength = 139;
constexpr int HourLength = 119;

using DesignColour::Background;
using DesignColour::Black;
using DesignColour::Green;
using DesignColour::Red;
using DesignColour::Yellow;

inline QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second));
}

// The window's timers keep running, but their ticks reach it only when a test calls the
// handler: a tick that came after real time had passed would make a test's outcome depend
// on how busy the machine is.
inline void holdTimers(TForm1 &form)
{
    for (QTimer *timer : {form.Timer1, form.Timer2, form.Timer3})
        timer->blockSignals(true);
}

// The sets of radios of which exactly one is selected: dial, numerals, level and notation.
inline QList<QList<QRadioButton *>> radioSets(const TForm1 &form)
{
    return {{form.TwaalfUren, form.VierentwintigUren},
            {form.Cijfers, form.Punten, form.Romeins},
            {form.UrenAan, form.HalveUrenAan, form.KwartierenAan, form.MinutenAan},
            {form.Notitie1, form.Notitie2, form.Notitie3}};
}

// The main window with its clock standing at a given moment.
struct Window
{
    explicit Window(const QDateTime &now = at(10, 8, 30)) : clock(std::make_shared<FixedClock>(now))
    {
        holdTimers(form);
    }

    std::shared_ptr<FixedClock> clock;
    TForm1 form{clock, std::make_shared<SeededRandomSource>(1)};
};

// Position p of the 60-step scale at distance d from the centre, each coordinate cut towards zero.
inline QPoint facePoint(double position, int distance)
{
    const double angle = 3.14159265358979323846 / 180.0 * 6.0 * -position;
    return {MiddenX - static_cast<int>(std::sin(angle) * distance),
            MiddenY - static_cast<int>(std::cos(angle) * distance)};
}

inline QColor pixelAt(const TForm1 &form, const QPoint &point)
{
    return form.surface().pixelColor(point);
}

inline QColor markColour(const TForm1 &form, int minute)
{
    return form.MinuutMerken[minute]->palette().color(QPalette::WindowText);
}

} // namespace FormFixture
