// The Hulpjes overlay: Button1 shows and hides it, it lines itself up with the main
// window's face, and only its blue texts and violet arrows are solid.
#include "WindowFixture.h"

#include "guide/Unit2.h"

using namespace WindowFixture;

namespace {
// The face was laid out for the main window's outer frame: the client area lies 3 pixels
// in from its left edge and 19 down from its top edge, and the frame is 805 x 642.
constexpr QPoint ClientInFrame(3, 19);
constexpr QSize OuterSize(805, 642);
constexpr int BelowOuterTop = 117;
} // namespace

class TestOverlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buttonToggles();
    void closedByWindowManager();
    void linesUpWithFace();
    void staysUntilShownAgain();
    void activationLinesUpAgain();
    void frameless();
    void maskIsTheInk_data();
    void maskIsTheInk();
    void labels_data();
    void labels();

private:
    TForm1 &form() { return m_window->form; }
    TForm2 *overlay() { return form().Form2; }
    QRect expectedPlace();

    std::unique_ptr<Window> m_window;
};

void TestOverlay::init()
{
    m_window = std::make_unique<Window>();
    form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
}

void TestOverlay::cleanup()
{
    m_window.reset();
}

QRect TestOverlay::expectedPlace()
{
    const QPoint outer = form().mapToGlobal(QPoint(0, 0)) - ClientInFrame;
    return QRect(outer + QPoint(0, BelowOuterTop), OuterSize);
}

// The overlay is built on the first click and the same window comes back after that.
void TestOverlay::buttonToggles()
{
    QVERIFY(!overlay());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Aan"));

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    TForm2 *const first = overlay();
    QVERIFY(first && first->isVisible());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Uit"));

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(overlay()->isHidden());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Aan"));

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QCOMPARE(overlay(), first);
    QVERIFY(first->isVisible());
}

// Alt+F4 or the window manager's close button on the overlay: the button follows, and the
// program goes on.
void TestOverlay::closedByWindowManager()
{
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(overlay()->close());
    QVERIFY(overlay()->isHidden());
    QVERIFY(form().isVisible());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Aan"));

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(overlay()->isVisible());
    QCOMPARE(form().Button1->text(), QStringLiteral("Hulpjes Uit"));
}

void TestOverlay::linesUpWithFace()
{
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QCOMPARE(overlay()->geometry(), expectedPlace());
}

// The overlay does not follow the main window; showing it again lines it up anew.
void TestOverlay::staysUntilShownAgain()
{
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    const QRect first = overlay()->geometry();
    const QPoint client = form().mapToGlobal(QPoint(0, 0));
    form().move(form().pos() + QPoint(40, 30));
    QTRY_COMPARE(form().mapToGlobal(QPoint(0, 0)), client + QPoint(40, 30));
    QCOMPARE(overlay()->geometry(), first);

    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QCOMPARE(overlay()->geometry(), expectedPlace());
}

// A click on one of its texts makes the overlay the active window, which lines it up;
// the main window becoming active again does not move it.
void TestOverlay::activationLinesUpAgain()
{
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    form().move(form().pos() + QPoint(-25, 15));
    QTRY_VERIFY(overlay()->geometry() != expectedPlace());
    const QRect stale = overlay()->geometry();

    QApplication::setActiveWindow(&form());
    QCOMPARE(overlay()->geometry(), stale);
    QApplication::setActiveWindow(overlay());
    QTRY_COMPARE(overlay()->geometry(), expectedPlace());
}

void TestOverlay::frameless()
{
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(overlay()->isWindow());
    const Qt::WindowFlags flags = overlay()->windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
}

void TestOverlay::maskIsTheInk_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("solid");
    QTest::addRow("left_arrow_shaft") << QPoint(130, 195) << true;
    QTest::addRow("right_arrow_shaft") << QPoint(285, 196) << true;
    QTest::addRow("down_arrow_shaft") << QPoint(205, 315) << true;
    QTest::addRow("inside_the_face") << QPoint(250, 250) << false;
    QTest::addRow("between_labels") << QPoint(330, 100) << false;
    QTest::addRow("strip_below_the_window") << QPoint(400, 600) << false;
}

void TestOverlay::maskIsTheInk()
{
    QFETCH(QPoint, point);
    QFETCH(bool, solid);
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QCOMPARE(overlay()->mask().contains(point), solid);
}

void TestOverlay::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("text");
    QTest::addRow("U24") << "U24" << QPoint(173, 1) << "24 uur = 0 uur";
    QTest::addRow("U13") << "U13" << QPoint(292, 28) << "13 uur";
    QTest::addRow("U14") << "U14" << QPoint(358, 94) << "14 uur";
    QTest::addRow("U15") << "U15" << QPoint(383, 188) << "15 uur";
    QTest::addRow("U16") << "U16" << QPoint(359, 280) << "16 uur";
    QTest::addRow("U17") << "U17" << QPoint(292, 348) << "17 uur";
    QTest::addRow("U18") << "U18" << QPoint(190, 373) << "18 uur";
    QTest::addRow("U19") << "U19" << QPoint(104, 349) << "19 uur";
    QTest::addRow("U20") << "U20" << QPoint(29, 284) << "20 uur";
    QTest::addRow("U21_short") << "U21" << QPoint(5, 188) << "21 u";
    QTest::addRow("U22") << "U22" << QPoint(31, 88) << "22 uur";
    QTest::addRow("U23") << "U23" << QPoint(96, 25) << "23 uur";
    QTest::addRow("quarter_to") << "StaticText1" << QPoint(43, 187) << QString::fromUtf16(u"Kwart v\u00F3\u00F3r");
    QTest::addRow("quarter_past") << "StaticText2" << QPoint(322, 188) << "Kwart na";
    QTest::addRow("half") << "StaticText3" << QPoint(195, 348) << "Half";
}

// Each text sits at its place, and it is solid: its letters belong to the mask.
void TestOverlay::labels()
{
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QString, text);
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    const auto *label = overlay()->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QVERIFY(overlay()->mask().intersects(label->geometry()));
}

QTEST_MAIN(TestOverlay)
#include "tst_overlay.moc"
