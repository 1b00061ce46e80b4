#pragma once
// The program's own scale on each screen, changed after start-up: the desktop lowers it where
// the window would not fit, the page fits it to the browser's window. Qt 6.4 sets a scale
// from outside only before start-up (QT_SCALE_FACTOR and the like), so this goes through
// Qt's private per-screen factor, as Qt's own tests do.
#include <QSize>

#include <functional>

class QScreen;

namespace Schaal {
// A screen's whole area, and what the desktop's panels leave of it, in the screen's own pixels.
QSize schermPixels(const QScreen &scherm);
QSize beschikbarePixels(const QScreen &scherm);

// Gives every screen the scale that `kiezer` picks for it from its present one.
void kies(const std::function<qreal(const QScreen &scherm, qreal nu)> &kiezer);
}
