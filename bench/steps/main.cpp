// Where Tikara's start-up goes: times the steps of building the main window one by one, in
// a fresh process, so the first use of a resource (the font database, a font, the style) is
// charged to the step that triggers it. Each step is then timed once more, warm, which
// shows what stays when the first-use cost has been paid elsewhere.
//
//   QT_QPA_PLATFORM=xcb bench_startup_steps      prints "step cold_ms warm_ms" lines and
//                                                how many of the window's widgets show at start
#include "app/Pictures.h"
#include "app/Theme.h"
#include "app/Unit1.h"
#include "guide/Unit2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {
double timeMs(const std::function<void()> &step)
{
    QElapsedTimer t;
    t.start();
    step();
    return double(t.nsecsElapsed()) / 1e6;
}
}

int main(int argc, char *argv[])
{
    double appMs = 0;
    std::unique_ptr<QApplication> app;
    appMs = timeMs([&] { app = std::make_unique<QApplication>(argc, argv); });

    std::vector<std::unique_ptr<TForm1>> forms;
    const std::vector<std::pair<const char *, std::function<void()>>> steps = {
        {"Theme::install", [] { Theme::install(); }},
        {"font_database", [] { QFontDatabase::families(); }},
        {"first_label_font", [] { QFontMetrics(Theme::font(13)).horizontalAdvance(QStringLiteral("Instellingen")); }},
        {"stopPicture", [] { stopPicture(); }},
        {"clockIcon", [] { clockIcon(256); }},
        {"portraitIcon", [] { portraitIcon(32); }},
        {"glyphs", [] { checkMarkGlyph(); redCrossGlyph(); walkingFigureGlyph(); }},
        {"TForm1", [&] { forms.push_back(std::make_unique<TForm1>()); }},
        {"TForm2", [&] { TForm2 overlay(forms.front().get()); }},
    };
    QTextStream out(stdout);
    out << "QApplication " << appMs << " -\n";
    std::vector<double> cold;
    for (const auto &step : steps)
        cold.push_back(timeMs(step.second));
    for (size_t i = 0; i < steps.size(); ++i)
        out << steps[i].first << ' ' << cold[i] << ' ' << timeMs(steps[i].second) << '\n';
    const TForm1 &form = *forms.front();
    const QList<QWidget *> widgets = form.findChildren<QWidget *>();
    const auto shown = std::count_if(widgets.cbegin(), widgets.cend(), [&](const QWidget *w) { return w->isVisibleTo(&form); });
    out << "widgets " << widgets.size() << " shown_at_start " << shown << '\n';
    forms.clear();
    return 0;
}
