#pragma once
// The colours as the design gives them, typed out here instead of taken from the program's
// own constants, so that a wrong constant in the program fails a test.
#include <QColor>

namespace DesignColour {
inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Background{0xB4, 0xB4, 0xB4}; // the main window's grey
}
