#pragma once
// The look of the program in one place: the classic desktop colours the layout was
// drawn with, the fonts by pixel height, and the tooltip timing. Fixed values, so the
// window looks the same on every desktop theme.
#include <QColor>
#include <QFont>
#include <QString>

namespace SysColor {
inline const QColor ActiveBorder{0xB4, 0xB4, 0xB4};     // the main window's background
inline const QColor InactiveCaption{0xBF, 0xCD, 0xDB};  // the score panel
inline const QColor GrayText{0x6D, 0x6D, 0x6D};         // the exercise and choice panels
inline const QColor AppWorkspace{0xAB, 0xAB, 0xAB};     // answer area, level and notation groups
inline const QColor Desktop{0x00, 0x00, 0x00};          // memo and result panel
inline const QColor ButtonFace{0xF0, 0xF0, 0xF0};
inline const QColor ButtonShadow{0xA0, 0xA0, 0xA0};     // the digital clock
inline const QColor ButtonHighlight{0xFF, 0xFF, 0xFF};
inline const QColor DarkShadow{0x69, 0x69, 0x69};
inline const QColor HotLight{0x00, 0x66, 0xCC};         // the countdown frame
inline const QColor Window{0xFF, 0xFF, 0xFF};           // edit fields
}

namespace Kleur {
inline const QColor Zwart{0, 0, 0};
inline const QColor Wit{255, 255, 255};
inline const QColor Geel{255, 255, 0};
inline const QColor Groen{0, 128, 0};
inline const QColor Rood{255, 0, 0};
inline const QColor Blauw{0, 0, 255};
inline const QColor Marine{0x00, 0x00, 0x80};
inline const QColor Teal{0x00, 0x80, 0x80};
inline const QColor Lichtblauw{0xA6, 0xCA, 0xF0};       // the two exercise starters
inline const QColor Grijs{0x80, 0x80, 0x80};            // the help strip
inline const QColor Limoen{0x00, 0xFF, 0x00};
}

namespace Theme {
constexpr int TooltipShowMs = 500;
constexpr int TooltipHideMs = 5000;

inline const QString SansSerif = QStringLiteral("MS Sans Serif");
inline const QString Arial = QStringLiteral("Arial");

enum Style { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

// A font by its character height in pixels, as the layout gives it.
QFont font(int pixels, int style = Bold, const QString &family = SansSerif);

// Style, palette and font substitutions for the whole application; safe to call often.
void install();

// Reading the system's fonts is the largest single step of start-up. This starts it on a
// worker thread, so it runs while the window is being built; a font asked for meanwhile
// waits for it. Call after install(), whose substitutions the fonts are matched with.
void loadFontsInBackground();
}
