// What reaches the screen, not only the off-screen surface: after the hands move, the face on
// the screen shows what the surface holds, at scale 1 and at scale 2. A repaint that misses a
// piece of the old hand, or a copy that ignores the screen's own pixels, shows here.
#include "WindowFixture.h"

#include "app/Schaal.h"

#include <QBackingStore>
#include <qpa/qplatformbackingstore.h>

using namespace WindowFixture;

class TestScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handsReachTheScreen_data();
    void handsReachTheScreen();
};

namespace {
// Face pixels, in device pixels, that no control lies over and that differ between the
// screen and the surface.
int verschillen(const TForm1 &form, const QImage &scherm)
{
    const QImage &oppervlak = form.surface();
    const qreal s = oppervlak.devicePixelRatio();
    const QPoint midden(form.klokToestand().MiddenX, form.klokToestand().MiddenY);
    int anders = 0;
    for (int y = 0; y < oppervlak.height(); ++y) {
        for (int x = 0; x < oppervlak.width(); ++x) {
            const QPoint punt(int(x / s), int(y / s));
            const QPoint d = punt - midden;
            const bool binnen = d.x() * d.x() + d.y() * d.y() < (form.klokToestand().Straal - 40) * (form.klokToestand().Straal - 40);
            const QWidget *erboven = form.childAt(punt);
            if (binnen && !erboven && scherm.pixel(x, y) != oppervlak.pixel(x, y))
                ++anders;
        }
    }
    return anders;
}
}

void TestScreen::handsReachTheScreen_data()
{
    QTest::addColumn<qreal>("schaal");
    QTest::addRow("scale_1") << 1.0;
    QTest::addRow("scale_2") << 2.0;
}

void TestScreen::handsReachTheScreen()
{
    QFETCH(qreal, schaal);
    Schaal::kies([schaal](const QScreen &, qreal) { return schaal; });
    Window window;
    TForm1 &form = window.form;
    QVERIFY(showActive(form));
    QCOMPARE(form.surface().devicePixelRatio(), schaal);
    // Each hand glides from one place to another, as the live clock and the animation move them.
    for (int stap = 0; stap < 12; ++stap) {
        form.TekenSecondenwijzer(stap * 5);
        form.TekenMinutenwijzer(59 - stap * 4);
        form.TekenUurwijzer(stap);
        QCoreApplication::processEvents();
    }
    // The window's picture as the platform holds it for the screen; the offscreen platform's
    // own grab is cut to the window's size in points.
    const QImage scherm = form.backingStore()->handle()->toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(scherm.size(), form.surface().size());
    QCOMPARE(verschillen(form, scherm), 0);
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
