// A child without a mouse: a screen reader names every control that shows a text or has a
// tooltip and hears what happens, Tab walks the answer fields in the order hour, minute,
// second, every control has its key, and the focused control shows a ring.
#include "WindowFixture.h"

#include <QAccessible>
#include <QMap>
#include <QSet>
#include <QtTest>

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namesControls_data();
    void namesControls();
    void everyControlWithTipIsNamed();
    void tabWalksAnswerFields();
    void keysPressControls_data();
    void keysPressControls();
    void notificationsTell_data();
    void notificationsTell();
    void focusRing_data();
    void focusRing();
};

static QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

void TestAccessibility::namesControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addRow("stop_picture") << "Image4" << "STOP";
    QTest::addRow("portrait") << "Image1" << "Info";
    QTest::addRow("hour_knob") << "UurWijzerKnop" << "Uurwijzer";
    QTest::addRow("hour_field") << "UurInvoerVeld" << "Vul hier het juiste uur in";
    QTest::addRow("timer_field") << "TimerMinuten" << "Indien de timer moet gebruikt worden, hier het aantal minuten invullen.";
    QTest::addRow("minute_dot") << "M1" << "streepje 1";
    QTest::addRow("notation_by_its_pattern") << "Notitie2" << "UU uur MM min.";
    QTest::addRow("group_by_what_it_holds") << "GroupBox2" << "Wijzers";
    QTest::addRow("hour_mark_keeps_numeral") << "M15" << "3";
    QTest::addRow("starter_text") << "DigitaalAnaloog" << "Start Oefening Digitaal -> analoog";
    QTest::addRow("button_text") << "Button2" << "Minuten onzichtbaar";
    QTest::addRow("check_box_text") << "SecondenAan" << "SecondenWijzer";
    QTest::addRow("glyph_only_button") << "OKKnop" << "OK";
}

void TestAccessibility::namesControls()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowFixture::Window window;
    QWidget *w = window.form.findChild<QWidget *>(control);
    QVERIFY(w);
    QCOMPARE(accessibleName(w), name);
}

// A control with a tooltip is named, or is a label read as it stands; the tooltip describes
// it. A score or a line that changes is read as it stands, not as when the window was made.
void TestAccessibility::everyControlWithTipIsNamed()
{
    WindowFixture::Window window;
    for (QWidget *w : window.form.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || w->toolTip().isEmpty())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(!accessibleName(w).isEmpty() || qobject_cast<QLabel *>(w), qPrintable(w->objectName()));
        QCOMPARE(iface->text(QAccessible::Description), w->toolTip());
    }
    TForm1Probe(window.form).oefening().BehaaldePunten = 7;
    window.form.ToonPunten();
    QCOMPARE(accessibleName(window.form.Label6), QStringLiteral("7"));
    window.form.VoorMiddagNaMiddag->setText(QStringLiteral("namiddag"));
    QCOMPARE(accessibleName(window.form.VoorMiddagNaMiddag), QStringLiteral("namiddag"));
}

void TestAccessibility::tabWalksAnswerFields()
{
    WindowFixture::Window window;
    TForm1 &f = window.form;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(f.AnaloogDigitaal, Qt::LeftButton);
    QTest::mouseClick(f.MinutenAan, Qt::LeftButton);
    QTest::mouseClick(f.Notitie3, Qt::LeftButton);
    QTest::mouseClick(f.KeuzePaneelOkKnop, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.UurInvoerVeld);
    for (QWidget *next : std::initializer_list<QWidget *>{f.MinInvoerVeld, f.SecInvoerVeld, f.ADOkKnop}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestAccessibility::keysPressControls_data()
{
    QTest::addColumn<QList<QKeyCombination>>("toetsen");
    QTest::addColumn<QString>("zichtbaar");
    QTest::addColumn<QString>("verborgen");
    QTest::addColumn<QString>("focus");
    const QKeyCombination altD = Qt::ALT | Qt::Key_D, enter = Qt::Key_Return;
    QTest::addRow("alt_d_opens_the_choice_panel") << QList{altD} << "KeuzePaneel" << "" << "UrenAan";
    QTest::addRow("alt_a_opens_the_choice_panel") << QList{Qt::ALT | Qt::Key_A} << "KeuzePaneel" << "" << "UrenAan";
    QTest::addRow("alt_t_goes_back") << QList{altD, Qt::ALT | Qt::Key_T} << "DigitaalAnaloog" << "KeuzePaneel" << "";
    QTest::addRow("alt_o_stops_the_exercise") << QList{altD, enter, Qt::ALT | Qt::Key_O} << "DigitaalAnaloog" << "ADOefening" << "";
    QTest::addRow("alt_i_shows_the_settings") << QList{altD, enter, Qt::ALT | Qt::Key_I} << "WijzerCorrectie" << "ADKnop1" << "";
    QTest::addRow("alt_h_shows_the_overlay_keeping_the_focus") << QList{Qt::ALT | Qt::Key_H} << "Form2" << "" << "";
    QTest::addRow("f1_opens_the_info_panel") << QList{QKeyCombination(Qt::Key_F1)} << "Info" << "" << "OKKnop";
    QTest::addRow("tab_stays_in_the_info_panel")
        << QList{QKeyCombination(Qt::Key_F1), QKeyCombination(Qt::Key_Tab), QKeyCombination(Qt::Key_Tab)}
        << "Info" << "" << "Button4";
    QTest::addRow("enter_closes_the_info_panel") << QList{QKeyCombination(Qt::Key_F1), enter} << "" << "Info" << "";
    QTest::addRow("alt_m_enters_the_timer_field") << QList{Qt::ALT | Qt::Key_M} << "" << "" << "TimerMinuten";
    QTest::addRow("alt_s_starts_the_countdown") << QList{Qt::ALT | Qt::Key_M, QKeyCombination(Qt::Key_1), QKeyCombination(Qt::Key_Tab), Qt::ALT | Qt::Key_S}
                                               << "Panel8" << "Startknop" << "";
    QTest::addRow("alt_s_from_the_answer_field")
        << QList{Qt::ALT | Qt::Key_M, QKeyCombination(Qt::Key_1), QKeyCombination(Qt::Key_Tab), Qt::ALT | Qt::Key_A, enter, Qt::ALT | Qt::Key_S}
        << "Panel8" << "Startknop" << "UurInvoerVeld";
    QTest::addRow("a_hidden_start_is_not_pressed") << QList{Qt::ALT | Qt::Key_S} << "" << "Panel8" << "";
}

// Each key presses its control as a click would, and the overlay never takes the focus.
void TestAccessibility::keysPressControls()
{
    QFETCH(QList<QKeyCombination>, toetsen);
    QFETCH(QString, zichtbaar);
    QFETCH(QString, verborgen);
    QFETCH(QString, focus);
    WindowFixture::Window window;
    TForm1 &f = window.form;
    QVERIFY(WindowFixture::showActive(f));
    for (QKeyCombination toets : toetsen) {
        QWidget *doel = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyClick(doel, toets.key(), toets.keyboardModifiers());
    }
    if (!zichtbaar.isEmpty())
        QVERIFY(f.findChild<QWidget *>(zichtbaar)->isVisible());
    if (!verborgen.isEmpty())
        QVERIFY(f.findChild<QWidget *>(verborgen)->isHidden());
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(QApplication::activeWindow(), &f);
}

enum class Stap { KeuzeOk, Fout, Goed, Start, TijdOm };
Q_DECLARE_METATYPE(Stap)

void TestAccessibility::notificationsTell_data()
{
    QTest::addColumn<Stap>("stap");
    QTest::addColumn<QString>("begin");
    QTest::addRow("choice_ok_tells_the_task") << Stap::KeuzeOk << "Lees de klok: kleine wijzer ";
    QTest::addRow("ok_tells_what_was_wrong") << Stap::Fout << "Niet goed: het uur is ";
    QTest::addRow("ok_tells_right_the_score_and_the_next_task") << Stap::Goed << "Goed. 1 op 1. Lees de klok: ";
    QTest::addRow("start_tells_its_new_task") << Stap::Start << "Lees de klok: ";
    QTest::addRow("time_up_tells_the_result") << Stap::TijdOm << "De tijd is om. ";
}

// A screen reader reads the notification each time it is shown afresh.
void TestAccessibility::notificationsTell()
{
    QFETCH(Stap, stap);
    QFETCH(QString, begin);
    WindowFixture::Window window;
    TForm1 &f = window.form;
    QVERIFY(WindowFixture::showActive(f));
    WindowFixture::reach(f, WindowFixture::Stage::Running, QStringLiteral("1"));
    auto *melding = f.findChild<QWidget *>(QStringLiteral("Melding"));
    if (stap != Stap::KeuzeOk)
        melding->setAccessibleName({});
    if (stap == Stap::Fout || stap == Stap::Goed)
        WindowFixture::answer(f, stap == Stap::Goed);
    if (stap == Stap::Start || stap == Stap::TijdOm)
        WindowFixture::click(f.Startknop);
    for (int s = 0; stap == Stap::TijdOm && s <= 60; ++s) {
        window.clock->advance(1000);
        f.Timer1Timer();
    }
    QVERIFY2(melding->accessibleName().startsWith(begin), qPrintable(melding->accessibleName()));
    QVERIFY(melding->isVisible());
}

void TestAccessibility::focusRing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("outer");
    QTest::addColumn<QColor>("inner");

    QTest::addRow("check_box_on_teal") << "SecondenAan" << WindowFixture::White << WindowFixture::White;
    QTest::addRow("radio_on_teal") << "TwaalfUren" << WindowFixture::White << WindowFixture::White;
    QTest::addRow("button_on_teal") << "Button1" << WindowFixture::White << WindowFixture::Black;
    QTest::addRow("edit_field_on_teal") << "TimerMinuten" << WindowFixture::White << WindowFixture::Black;
}

// Once the keyboard has moved the focus, the focused control shows a ring of its two colours
// and changes nothing else; without the focus it looks as before, pixel for pixel.
void TestAccessibility::focusRing()
{
    QFETCH(QString, name);
    QFETCH(QColor, outer);
    QFETCH(QColor, inner);
    WindowFixture::Window window;
    TForm1 &form = window.form;
    QVERIFY(WindowFixture::showActive(form));
    QWidget *focusable = form.findChild<QWidget *>(name);
    QVERIFY2(focusable, qPrintable(name));
    const QImage unfocused = focusable->grab().toImage();

    form.setAttribute(Qt::WA_KeyboardFocusChange); // as the first Tab does
    focusable->setFocus(Qt::TabFocusReason);
    const QImage focused = focusable->grab().toImage();
    // A field's caret blinks over whatever lies beneath it.
    const QRect caret = focusable->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    focusable->clearFocus();
    QCOMPARE(focusable->grab().toImage(), unfocused);

    QMap<QRgb, int> changed;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y) && !caret.contains(x, y))
                ++changed[focused.pixel(x, y)];
    QCOMPARE(QSet<QRgb>(changed.keyBegin(), changed.keyEnd()), QSet<QRgb>({outer.rgb(), inner.rgb()}));
    // Each colour at least half a line all round the control.
    for (const int count : std::as_const(changed))
        QVERIFY2(count >= focused.width() + focused.height(), qPrintable(QString::number(count)));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
