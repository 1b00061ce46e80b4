#include "app/Platform.h"

#include "app/Schaal.h"
#include "app/core/Placement.h"

#include <QCoreApplication>

// On a small or highly scaled screen (a school laptop of 1366 x 768 at 125 %) the window with
// its frame would reach beyond the screen: there the program's scale is lowered until it
// fits. Where it fits, the desktop's scale stays.
void Platform::kiesSchaal(const QSize &venster)
{
    Schaal::kies([&venster](const QScreen &scherm, qreal nu) {
        return lowerScaleToFit(nu, Schaal::beschikbarePixels(scherm), venster + FrameAllowance);
    });
}

void Platform::volgScherm(QWidget &) {}

void Platform::eindig()
{
    QCoreApplication::exit(0);
}
