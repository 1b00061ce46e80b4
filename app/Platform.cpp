#include "app/Platform.h"

#include <QCoreApplication>

void Platform::kiesSchaal(const QSize &) {}

void Platform::volgScherm(QWidget &) {}

void Platform::eindig()
{
    QCoreApplication::exit(0);
}
