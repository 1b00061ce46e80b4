#include "app/Platform.h"
#include "app/Theme.h"
#include "app/Unit1.h"
#include <QApplication>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Theme::install();
    Theme::loadFontsInBackground();
    // Links the window to its menu entry and icon on desktops that ask.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.tikara.Tikara"));
    Platform::kiesSchaal(QSize(TForm1::ClientWidth, TForm1::ClientHeight));
    TForm1 form;
    form.show();
    Platform::volgScherm(form);
    return app.exec();
}
