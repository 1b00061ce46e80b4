#pragma once
// Where the main window opens: in the middle of the screen's available area, as the design
// asks, but never with its top-left corner outside that area. On a screen smaller than the
// window (or at a large scale factor) the corner then sits at the area's top-left, so the
// title bar, the STOP picture and the settings stay within reach.
#include <QPoint>
#include <QRect>
#include <QSize>

QPoint windowPlace(const QRect &available, const QSize &window);

// The scale at which a window of this size just fits the area whole, larger or smaller than 1:
// the page fills the browser's window with it.
qreal fitScale(const QSize &available, const QSize &window);
