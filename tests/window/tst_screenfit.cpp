// On a small or highly scaled screen the program lowers its own scale until the whole window,
// frame and all, fits; where it fits, the desktop's scale stays. The screens are a school
// laptop of 1366 x 768 and a full-HD screen, each at 125 % and 200 % (screens.json, read by
// the offscreen platform, which makes the first by name the primary: the laptop at 125 %).
#include "WindowFixture.h"
#include "app/Platform.h"

#include <QScreen>

class TestScreenFit : public QObject
{
    Q_OBJECT

public:
    // Before the application starts. Wine hands no QT_ variable on to a Windows program, so
    // the test asks for its screens itself; it runs in its source folder (tests/CMakeLists.txt).
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json"); }

private Q_SLOTS:
    void initTestCase();
    void scalePerScreen_data();
    void scalePerScreen();
    void wholeWindowOnTheLaptop();
};

// As the program starts: after the application, before the window.
void TestScreenFit::initTestCase()
{
    QCOMPARE(QGuiApplication::screens().size(), 4);
    Platform::kiesSchaal(QSize(TForm1::ClientWidth, TForm1::ClientHeight));
}

// The window with room for its frame is 815 x 660.
void TestScreenFit::scalePerScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<qreal>("scale");

    QTest::addRow("laptop_at_125_lowered_to_fit") << "1-laptop-125" << 768.0 / 660;
    QTest::addRow("laptop_at_200_lowered_to_fit") << "2-laptop-200" << 768.0 / 660;
    QTest::addRow("full_hd_at_200_lowered_to_fit") << "3-fullhd-200" << 1080.0 / 660;
    QTest::addRow("full_hd_at_125_untouched") << "4-fullhd-125" << 1.25;
}

void TestScreenFit::scalePerScreen()
{
    QFETCH(QString, screen);
    QFETCH(qreal, scale);

    const auto screens = QGuiApplication::screens();
    const auto named = std::find_if(screens.cbegin(), screens.cend(), [&](QScreen *s) { return s->name() == screen; });
    QVERIFY(named != screens.cend());
    QCOMPARE((*named)->devicePixelRatio(), scale);
}

void TestScreenFit::wholeWindowOnTheLaptop()
{
    WindowFixture::Window window;
    QVERIFY(WindowFixture::showActive(window.form));
    const QScreen *laptop = window.form.screen();
    QCOMPARE(laptop->name(), QStringLiteral("1-laptop-125"));
    QVERIFY2(laptop->availableGeometry().contains(window.form.frameGeometry()),
             qPrintable(QStringLiteral("%1 x %2").arg(window.form.frameGeometry().width()).arg(window.form.frameGeometry().height())));
}

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
