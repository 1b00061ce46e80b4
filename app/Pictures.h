#pragma once
// The program's pictures, painted in code so that they stay sharp at every size
// and need no image files: the STOP picture, the portrait and application icons,
// the three button glyphs and the violet arrows of the Hulpjes overlay.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

// Painted large (228 x 100) so that it stays crisp when scaled into its 57 x 25 image.
QImage stopPicture();
// A friendly face in a rounded frame on a transparent background.
QPixmap portraitIcon(int size = 32);
// The portrait in the sizes a window's title bar and task switcher ask for.
QIcon portraitWindowIcon();
// The program's own icon: a clock face at about five past five, drawn at any size on a
// transparent background. It stands for the program on the desktop and in its .ico on Windows.
QImage clockIcon(int size);

// 18 x 18 button glyphs with their own grey outline for the disabled state.
QIcon checkMarkGlyph();
QIcon redCrossGlyph();
QIcon walkingFigureGlyph();

enum class ArrowPoint { Left, Right, Down };
// A violet arrow on a transparent background, already at the size of its box and
// without antialiasing, so that the overlay's mask equals the ink.
QImage arrowPicture(ArrowPoint direction, QSize box);
