// A screen reader can name every control that shows a text or has a tooltip, and Tab walks
// the answer fields in the order hour, minute, second.
#include "WindowFixture.h"

#include <QAccessible>
#include <QtTest>

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void namesControls_data();
    void namesControls();
    void everyControlWithTipIsNamed();
    void tabWalksAnswerFields();
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
    QTest::addRow("stop_picture") << "Image4" << "Stop het programma.";
    QTest::addRow("portrait") << "Image1" << "Info over het Programma.";
    QTest::addRow("hour_knob") << "UurWijzerKnop" << "Klik hierop om de uurwijzer te verplaatsen.";
    QTest::addRow("hour_field") << "UurInvoerVeld" << "Vul hier het juiste uur in";
    QTest::addRow("timer_field") << "TimerMinuten" << "Indien de timer moet gebruikt worden, hier het aantal minuten invullen.";
    QTest::addRow("minute_dot") << "M1" << "Verdeelschaal van de  klok";
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

// A score that changes is read as it stands, not as it stood when the window was made.
void TestAccessibility::everyControlWithTipIsNamed()
{
    WindowFixture::Window window;
    for (QWidget *w : window.form.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || w->toolTip().isEmpty())
            continue;
        QVERIFY2(!accessibleName(w).isEmpty(), qPrintable(w->objectName()));
    }
    window.form.oefening.BehaaldePunten = 7;
    window.form.ToonPunten();
    QCOMPARE(accessibleName(window.form.Label6), QStringLiteral("7"));
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
