#pragma once
// Where the main window opens: in the middle of the screen's available area, as the design
// asks, but never with its top-left corner outside that area. On a screen smaller than the
// window (or at a large scale factor) the corner then sits at the area's top-left, so the
// title bar, the STOP picture and the settings stay within reach.
#include <QPoint>
#include <QRect>
#include <QSize>

QPoint windowPlace(const QRect &available, const QSize &window);

// Room for the frame and title bar a desktop draws around the window, which it tells only once
// the window shows: a little more than the usual title bar of about 30 pixels and thin borders.
constexpr QSize FrameAllowance(16, 40);

// The scale at which a window of this size just fits the area whole, larger or smaller than 1:
// the page fills the browser's window with it.
qreal fitScale(const QSize &available, const QSize &window);

// The desktop's scale, lowered where a window of this size (frame included) would not fit the
// area at it, both in the screen's own pixels; never raised, so where it fits nothing changes.
qreal lowerScaleToFit(qreal scale, const QSize &available, const QSize &window);
