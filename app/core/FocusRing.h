#pragma once
// The colours of the ring around the control that has the keyboard focus. The backgrounds
// range from black through teal and blue to white, so no one colour stands out on all of
// them: each of the ring's two lines is black or white, whichever contrasts more with the
// colour beside it, by WCAG 2's contrast ratio of relative luminances. The better of the two
// is always at least 4.58:1, above the 3:1 a focus indicator needs. Colours are 0xRRGGBB, so
// the rule needs nothing of Qt's drawing.
#include <QtGlobal>

// From 1 (the same luminance) to 21 (black on white).
qreal contrastRatio(quint32 a, quint32 b);

quint32 ringColour(quint32 beside);
