// In the page the browser's window is the screen. The program's scale follows its size, so the
// whole window shows on a Chromebook, an iPad either way up and a phone, and the page's own
// script shows the end screen when STOP is clicked.
#include "app/Platform.h"

#include "app/Schaal.h"
#include "app/core/Placement.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>

#include <emscripten/val.h>

namespace {
QSize s_venster;

void schaalNaar()
{
    Schaal::kies([](const QScreen &scherm, qreal) { return fitScale(Schaal::schermPixels(scherm), s_venster); });
}
}

void Platform::kiesSchaal(const QSize &venster)
{
    s_venster = venster;
    schaalNaar();
}

void Platform::volgScherm(QWidget &venster)
{
    QScreen *scherm = QGuiApplication::primaryScreen();
    if (!scherm)
        return;
    // Qt 6.4 tells a window nothing when the scale of its screen changes: its place in the
    // browser's pixels and its picture are set anew here, and the whole window is drawn again.
    const auto plaats = [scherm, &venster] {
        schaalNaar();
        // The window's own size, not what Qt made of it: Qt keeps a window's size in the
        // browser's pixels when the scale changes.
        const QRect logisch(windowPlace(scherm->geometry(), s_venster), s_venster);
        if (QWindow *window = venster.windowHandle(); window && window->handle())
            window->handle()->setGeometry(QHighDpi::toNativePixels(logisch, window));
        venster.setGeometry(logisch);
        if (QBackingStore *store = venster.backingStore())
            store->resize(s_venster);
        venster.update();
        const auto kinderen = venster.findChildren<QWidget *>();
        for (QWidget *kind : kinderen)
            kind->update();
    };
    // After Qt has taken in the screen's new size, and once for all the changes it reports.
    QObject::connect(scherm, &QScreen::geometryChanged, &venster, plaats, Qt::QueuedConnection);
    plaats();
}

void Platform::eindig()
{
    emscripten::val::global("tikaraEinde")();
    QCoreApplication::exit(0);
}
