#include "FloorClock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool withTimeLabel = app.arguments().contains(QStringLiteral("--text"));
    FloorClock clock(withTimeLabel);
    clock.show();
    return app.exec();
}
