#pragma once
// The little that differs between the desktop and the web page: how the main window finds
// its size and place, and how the program ends. app/Platform.cpp serves the desktop,
// app/PlatformWeb.cpp the page (WebAssembly).
#include <QSize>

class QWidget;

namespace Platform {
// Before the main window is built: in the page the program's scale is set so that a window
// of this outer size fills the browser's window whole. The desktop keeps its own scale where
// the window with its frame fits the screen, and lowers it where it does not.
void kiesSchaal(const QSize &venster);

// After it is shown: in the page the window is scaled again and centred whenever the
// browser's window changes size (an iPad turned upright). The desktop places it once itself.
void volgScherm(QWidget &venster);

// Ends the program. A page cannot close its browser tab: it shows its end screen instead.
void eindig();
}
