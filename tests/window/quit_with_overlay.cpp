// Closing the main window while the Hulpjes overlay is shown ends the program: the
// event loop returns 0 and takes the overlay with it.
#include "app/Unit1.h"
#include "guide/Unit2.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TForm1 form;
    form.show();
    constexpr int Afgebroken = 3;
    QTimer::singleShot(200, &form, [&form] { form.Button1->click(); });
    QTimer::singleShot(400, &form, [&form] {
        if (!form.Form2->isVisible())
            QCoreApplication::exit(Afgebroken);
        form.close();
    });
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(Afgebroken); });
    const int code = QApplication::exec();
    std::printf(code == 0 ? "1 passed, 0 failed\n" : "0 passed, 1 failed\n");
    return code;
}
