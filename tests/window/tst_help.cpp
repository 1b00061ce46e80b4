// The help strip at the foot of the window explains the control under the pointer; the
// backgrounds of the window and of its large containers empty it, other controls keep it.
// A pointer resting on a control shows its tooltip, or the one of its container.
#include "WindowFixture.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

using namespace WindowFixture;

namespace {
enum class State { Idle, InfoShown, TimerSet, Timed, Choosing, DigitalToAnalog, AnalogToDigital, AnalogToDigital24 };

// A place on the bare window, clear of every control.
constexpr QPoint BareWindow(790, 300);
// Marks a move to the middle of the control.
constexpr QPoint Middle(-1, -1);

QString knobs()
{
    return QStringLiteral(
    "Om de wijzers te verplaatsen :\n"
    "1) Een muisklik op het cirkeltje selecteert de betreffende wijzer (de wijzer wordt geel).\n"
    "2) Wijs met de muiscursor het gewenste punt (op de klokverdeling) aan (de wijzer richt zich hierop)\n"
    "3) Klik op dit punt om de wijzer vast te zetten.");
}

QString morning()
{
    return QStringLiteral(
    "Dit is een indicatie die enkel te zien is tijdens het werken met een 24u- klok.\n"
    "Voormiddag = 00:00:00 tot 11:59:59.\n"
    "Namiddag = 12:00:00 tot 23:59:59.");
}
} // namespace

Q_DECLARE_METATYPE(State)

class TestHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void textOverControl_data();
    void textOverControl();
    void movingOn_data();
    void movingOn();
    void tooltipOverControl_data();
    void tooltipOverControl();
    void stripIsForReadingOnly();
    void longTextWraps();

private:
    TForm1 &form() { return m_window->form; }
    void reach(State state);
    void moveOver(const QString &name, QPoint place = Middle);
    QString strip() { return form().Help->toPlainText(); }

    std::unique_ptr<Window> m_window;
};

void TestHelp::init()
{
    m_window = std::make_unique<Window>();
    QVERIFY(showActive(m_window->form));
    QTest::mouseMove(&form(), BareWindow);
}

void TestHelp::cleanup()
{
    if (m_window)
        m_window->form.close();
    m_window.reset();
}

void TestHelp::reach(State state)
{
    switch (state) {
    case State::Idle:
        break;
    case State::InfoShown:
        QTest::mouseClick(form().Image1, Qt::LeftButton);
        break;
    case State::TimerSet:
    case State::Timed:
        enterMinutes(form(), QStringLiteral("5"));
        if (state == State::Timed)
            QTest::mouseClick(form().Startknop, Qt::LeftButton);
        break;
    case State::Choosing:
        QTest::mouseClick(form().DigitaalAnaloog, Qt::LeftButton);
        break;
    case State::DigitalToAnalog:
        QTest::mouseClick(form().VraagtekenAan, Qt::LeftButton);
        startExercise(form(), DigitaalNaarAnaloog, {"Notitie3"});
        break;
    case State::AnalogToDigital24:
        QTest::mouseClick(form().VierentwintigUren, Qt::LeftButton);
        Q_FALLTHROUGH();
    case State::AnalogToDigital:
        startExercise(form(), AnaloogNaarDigitaal, {"Notitie3"});
        break;
    }
}

void TestHelp::moveOver(const QString &name, QPoint place)
{
    auto *control = form().findChild<QWidget *>(name);
    if (!control)
        QFAIL(qPrintable(name));
    QVERIFY2(control->isVisible(), qPrintable(name));
    QTest::mouseMove(control, place == Middle ? control->rect().center() : place);
}

void TestHelp::textOverControl_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::addRow("stop_picture_empty_first_line") << State::Idle << "Image4" << QString::fromUtf16(u"\nHet programma be\u00EBindigen.");
    QTest::addRow("portrait") << State::Idle << "Image1" << "Info.";
    QTest::addRow("timer_label") << State::Idle << "Label4"
        << "Al de timer gebruikt word, hier het aantal minuten invullen, waarna een \"startknop\" verschijnt.";
    QTest::addRow("timer_field") << State::Idle << "TimerMinuten"
        << "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\n"
           "Als deze waarde groter is dan \"0\", verschijnt boven de oefening een startknop om de timer starten.\n"
           "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening.\n"
           "Gebruik de resetknop om het programma te herstellen.";
    QTest::addRow("twelve_hours") << State::Idle << "TwaalfUren" << "Aangevinkt wordt gewerkt met een 12-uren klok.";
    QTest::addRow("seconds_hand") << State::Idle << "SecondenAan" << "Secondenwijzer in/uit schakelen.";
    QTest::addRow("hour_correction") << State::Idle << "WijzerCorrectie"
        << "Uitgevinkt blijft de uurwijzer op het exacte uur staan.\n"
           "Aangevinkt wordt de stand van de uurwijzer gecorrigeerd volgens het aantal minuten.";
    QTest::addRow("question_mark_option") << State::Idle << "VraagtekenAan"
        << "Aangevinkt, verschijnt tijdens de oefening een knop met een vraagteken. Als je hierop duwt, dan krijg je "
           "te zien of de opdracht goed is ingevuld.\nGroen = goed ingevuld.\nRood = fout ingevuld.";
    QTest::addRow("roman") << State::Idle << "Romeins" << "Aangevinkt worden de uren aangegeven met Romeinse cijfers.";
    QTest::addRow("aids_button") << State::Idle << "Button1"
        << "Gebruik deze optie om hulpmiddeltjes in de analoge klok zichtbaar/onzichtbaar te maken (24 urenklok)";
    QTest::addRow("points") << State::Idle << "Label6" << "Dit is het totaal aantal behaalde punten.";
    QTest::addRow("maximum") << State::Idle << "Label8" << "Het maximum aantal punten.";
    QTest::addRow("starter_to_analog") << State::Idle << "DigitaalAnaloog" << "Omzetten van digitaal naar analoog.";
    QTest::addRow("digital_clock") << State::Idle << "DigiKlok" << "Digitale klok.";
    QTest::addRow("start_button") << State::TimerSet << "Startknop" << "De timer-oefening starten.";
    QTest::addRow("reset_button") << State::Timed << "OKKnop1" << "Het programma terug herstellen.";
    QTest::addRow("countdown") << State::Timed << "KlokVenster" << "De aftelklok van de timer-oefening.";
    QTest::addRow("whole_hours") << State::Choosing << "UrenAan" << "Deze keuze nemen voor het oefenen met gehele uren.";
    QTest::addRow("all_times") << State::Choosing << "MinutenAan"
        << "Deze keuze nemen voor het oefenen met alle tijden (uren,minuten,seconden).";
    QTest::addRow("second_notation") << State::Choosing << "Notitie2" << "De notitiestijl is de wijze waarop de invoer moet gebeuren.";
    QTest::addRow("back") << State::Choosing << "KeuzePaneelTerugKnop" << "Terug naar het startmenu.";
    QTest::addRow("settings_button") << State::DigitalToAnalog << "ADKnop1"
        << "Terugkeren naar het menu om de instellingen voor de oefening aan te passen.";
    QTest::addRow("memo") << State::DigitalToAnalog << "Memo1" << "Info in verband met de instellingen.";
    QTest::addRow("check_button_two_spaces") << State::DigitalToAnalog << "ADControleKnop"
        << "Deze knop ingedrukt houden om te zien of je de opgave juist hebt ingevuld.\n"
           "Achtergrond \"groen\" = goed.\nAchtergrond  \"rood\" = fout.";
    QTest::addRow("stop_exercise") << State::AnalogToDigital << "ADStopKnop"
        << "Deze knop stopt de huidige oefening, maar... de behaalde punten blijven zichtbaar.";

    QTest::addRow("hour_field_setting_hands") << State::DigitalToAnalog << "UurInvoerVeld" << "De uurwijzer moet op dit uur geplaatst worden.";
    QTest::addRow("minute_field_setting_hands") << State::DigitalToAnalog << "MinInvoerVeld"
        << "De minutenwijzer moet op dit aantal minuten geplaatst worden.";
    QTest::addRow("second_field_setting_hands") << State::DigitalToAnalog << "SecInvoerVeld"
        << "De secondenwijzer moet op dit aantal seconden geplaatst worden.";
    QTest::addRow("hour_field_typing") << State::AnalogToDigital << "UurInvoerVeld"
        << "Hier moet het juiste uur van de opdracht worden ingevuld.";
    QTest::addRow("minute_field_typing") << State::AnalogToDigital << "MinInvoerVeld"
        << "Hier moet het juist aantal minuten van de opdracht worden ingevuld.";
    QTest::addRow("second_field_typing") << State::AnalogToDigital << "SecInvoerVeld"
        << "Hier moet het juist aantal seconden van de opdracht worden ingevuld.";
    QTest::addRow("hour_knob") << State::DigitalToAnalog << "UurWijzerKnop" << knobs();
    QTest::addRow("minute_knob") << State::DigitalToAnalog << "MinutenWijzerKnop" << knobs();
    QTest::addRow("seconds_knob") << State::DigitalToAnalog << "SecondenWijzerKnop" << knobs();
    QTest::addRow("morning_label_24_hours") << State::AnalogToDigital24 << "VoorMiddagNaMiddag" << morning();
    QTest::addRow("morning_label_12_hours_space") << State::AnalogToDigital << "VoorMiddagNaMiddag" << " ";
    QTest::addRow("morning_label_setting_hands_space") << State::DigitalToAnalog << "VoorMiddagNaMiddag" << " ";
}

void TestHelp::textOverControl()
{
    QFETCH(State, state);
    QFETCH(QString, control);
    QFETCH(QString, text);
    reach(state);
    QTest::mouseMove(&form(), BareWindow);
    QCOMPARE(strip(), QString());

    moveOver(control);
    QCOMPARE(strip(), text);
}

void TestHelp::movingOn_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("onto");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("kept");

    QTest::addRow("radio_to_panel1_keeps") << State::Idle << "Cijfers" << "Panel1" << QPoint(5, 5) << true;
    QTest::addRow("radio_to_settings_empties") << State::Idle << "Cijfers" << "Instellingen" << QPoint(30, 30) << false;
    QTest::addRow("hour_choice_to_group2_keeps") << State::Idle << "TwaalfUren" << "GroupBox2" << QPoint(5, 5) << true;
    QTest::addRow("points_to_op_keeps") << State::Idle << "Label6" << "Label14" << Middle << true;
    QTest::addRow("maximum_to_heading_keeps") << State::Idle << "Label8" << "Label41" << Middle << true;
    QTest::addRow("points_to_score_panel_empties") << State::Idle << "Label6" << "Panel2" << QPoint(10, 150) << false;
    QTest::addRow("portrait_to_help_strip_keeps") << State::Idle << "Image1" << "Help" << Middle << true;
    QTest::addRow("portrait_to_info_text_keeps") << State::InfoShown << "Image1" << "Label45" << Middle << true;
    QTest::addRow("stop_to_bare_window_empties") << State::Idle << "Image4" << "Form1" << BareWindow << false;
    QTest::addRow("level_to_level_group_empties") << State::Choosing << "UrenAan" << "Panel7" << QPoint(5, 115) << false;
    QTest::addRow("ok_to_choice_panel_empties") << State::Choosing << "KeuzePaneelOkKnop" << "KeuzePaneel" << QPoint(90, 320) << false;
    QTest::addRow("level_to_heading_keeps") << State::Choosing << "UrenAan" << "Label10" << Middle << true;
    QTest::addRow("field_to_answer_area_empties") << State::AnalogToDigital << "UurInvoerVeld" << "Panel5" << QPoint(5, 85) << false;
    QTest::addRow("field_to_name_keeps") << State::AnalogToDigital << "UurInvoerVeld" << "UurNaam" << Middle << true;
}

// The first control writes its text; moving on to the second keeps it or empties the strip.
void TestHelp::movingOn()
{
    QFETCH(State, state);
    QFETCH(QString, from);
    QFETCH(QString, onto);
    QFETCH(QPoint, place);
    QFETCH(bool, kept);
    reach(state);

    moveOver(from);
    const QString written = strip();
    QVERIFY(!written.isEmpty());
    if (onto == u"Form1")
        QTest::mouseMove(&form(), place);
    else
        moveOver(onto, place);
    QCOMPARE(strip(), kept ? written : QString());
}

void TestHelp::tooltipOverControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");

    const QString settings = QStringLiteral("Hulpmiddeltjes in analoge klok zichtbaar/onzichtbaar maken.");
    const QString none;
    QTest::addRow("Label4_inherits") << "Label4" << settings;
    QTest::addRow("Button1_inherits") << "Button1" << settings;
    QTest::addRow("GroupBox2_inherits") << "GroupBox2" << settings;
    QTest::addRow("Panel1_inherits") << "Panel1" << settings;
    QTest::addRow("Label6_own") << "Label6" << "Aantal behaalde punten";
    QTest::addRow("Behaalde_punten_none") << "Label41" << none;
    QTest::addRow("OP_none") << "Label14" << none;
    QTest::addRow("Maximum_punten_none") << "Label40" << none;
}

// The pointer resting on the control asks for its tooltip, as the desktop does.
void TestHelp::tooltipOverControl()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);

    QWidget *w = form().findChild<QWidget *>(name);
    QVERIFY(w);
    const QPoint inside(2, 2);
    QHelpEvent rest(QEvent::ToolTip, inside, w->mapToGlobal(inside));
    QApplication::sendEvent(w, &rest);
    QCOMPARE(rest.isAccepted(), !tip.isEmpty());
    if (!tip.isEmpty())
        QCOMPARE(QToolTip::text(), tip);
}

// The strip can be read but not changed: it takes no focus and no typing.
void TestHelp::stripIsForReadingOnly()
{
    moveOver(QStringLiteral("TimerMinuten"));
    const QString written = strip();
    QTest::mouseClick(form().Help->viewport(), Qt::LeftButton);
    QVERIFY(!form().Help->hasFocus());
    QTest::keyClicks(form().Help, QStringLiteral("abc"));
    QCOMPARE(strip(), written);
    QVERIFY(form().Help->isReadOnly());
}

// The design's texts just fit one line each; a longer one breaks at the strip's width.
void TestHelp::longTextWraps()
{
    form().Help->setPlainText(QStringLiteral("klok ").repeated(300));
    QTextDocument *text = form().Help->document();
    QVERIFY(text->documentLayout()->documentSize().width() <= form().Help->viewport()->width());
    QVERIFY(text->firstBlock().layout()->lineCount() > 1);
    QVERIFY(!form().Help->horizontalScrollBar()->isVisible());
    QVERIFY(!form().Help->verticalScrollBar()->isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
