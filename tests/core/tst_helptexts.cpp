#include "guide/core/HelpTexts.h"

#include <QTest>

#include <algorithm>

class TestHelpTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fixedTexts_data();
    void fixedTexts();
    void exerciseTexts_data();
    void exerciseTexts();
    void noHandler_data();
    void noHandler();
};

namespace {
constexpr int kinds[] = {0, 1, 2};
constexpr bool clocks[] = {false, true};
}

void TestHelpTexts::fixedTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    const QString empty;
    QTest::addRow("bare_window_clears") << "Form1" << empty;
    QTest::addRow("settings_background_clears") << "Instellingen" << empty;
    QTest::addRow("score_panel_background_clears") << "Panel2" << empty;
    QTest::addRow("exercise_panel_clears") << "ADOefening" << empty;
    QTest::addRow("panel5_clears") << "Panel5" << empty;
    QTest::addRow("choice_panel_clears") << "KeuzePaneel" << empty;
    QTest::addRow("panel6_clears") << "Panel6" << empty;
    QTest::addRow("panel7_clears") << "Panel7" << empty;
    QTest::addRow("stop_picture_empty_first_line") << "Image4" << QString::fromUtf16(u"\rHet programma be\u00EBindigen.");
    QTest::addRow("portrait") << "Image1" << "Info.";
    QTest::addRow("timer_label") << "Label4"
        << "Al de timer gebruikt word, hier het aantal minuten invullen, waarna een \"startknop\" verschijnt.";
    QTest::addRow("timer_minutes_four_lines") << "TimerMinuten"
        << "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
           "Als deze waarde groter is dan \"0\", verschijnt boven de oefening een startknop om de timer starten.\r"
           "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening.\r"
           "Gebruik de resetknop om het programma te herstellen.";
    QTest::addRow("twelve_hours") << "TwaalfUren" << "Aangevinkt wordt gewerkt met een 12-uren klok.";
    QTest::addRow("twentyfour_hours") << "VierentwintigUren" << "Aangevinkt wordt gewerkt met een 24-uren klok.";
    QTest::addRow("seconds_hand") << "SecondenAan" << "Secondenwijzer in/uit schakelen.";
    QTest::addRow("hand_correction") << "WijzerCorrectie"
        << "Uitgevinkt blijft de uurwijzer op het exacte uur staan.\r"
           "Aangevinkt wordt de stand van de uurwijzer gecorrigeerd volgens het aantal minuten.";
    QTest::addRow("question_mark") << "VraagtekenAan"
        << "Aangevinkt, verschijnt tijdens de oefening een knop met een vraagteken. Als je hierop duwt, dan "
           "krijg je te zien of de opdracht goed is ingevuld.\rGroen = goed ingevuld.\rRood = fout ingevuld.";
    QTest::addRow("settings_button") << "ADKnop1"
        << "Terugkeren naar het menu om de instellingen voor de oefening aan te passen.";
    QTest::addRow("digits") << "Cijfers" << "Aangevinkt worden de uren aangegeven met gewone cijfers.";
    QTest::addRow("dots") << "Punten" << "Aangevinkt worden de uren aangegeven zonder cijfers.";
    QTest::addRow("roman") << "Romeins" << "Aangevinkt worden de uren aangegeven met Romeinse cijfers.";
    QTest::addRow("aids_button_no_full_stop") << "Button1"
        << "Gebruik deze optie om hulpmiddeltjes in de analoge klok zichtbaar/onzichtbaar te maken (24 urenklok)";
    QTest::addRow("minutes_button_no_full_stop") << "Button2"
        << "Gebruik deze optie om de minuten in de analoge klok zichtbaar/onzichtbaar te maken";
    QTest::addRow("points") << "Label6" << "Dit is het totaal aantal behaalde punten.";
    QTest::addRow("maximum") << "Label8" << "Het maximum aantal punten.";
    QTest::addRow("start_timer") << "Startknop" << "De timer-oefening starten.";
    QTest::addRow("reset") << "OKKnop1" << "Het programma terug herstellen.";
    QTest::addRow("countdown") << "KlokVenster" << "De aftelklok van de timer-oefening.";
    QTest::addRow("digital_to_analog_starter") << "DigitaalAnaloog" << "Omzetten van digitaal naar analoog.";
    QTest::addRow("analog_to_digital_starter") << "AnaloogDigitaal" << "Omzetten van analoog naar digitaal.";
    QTest::addRow("digital_clock") << "DigiKlok" << "Digitale klok.";
    QTest::addRow("level_hours") << "UrenAan" << "Deze keuze nemen voor het oefenen met gehele uren.";
    QTest::addRow("level_half_hours") << "HalveUrenAan" << "Deze keuze nemen voor het oefenen met halve uren.";
    QTest::addRow("level_quarters") << "KwartierenAan" << "Deze keuze nemen voor het oefenen met kwartieren.";
    QTest::addRow("level_all") << "MinutenAan"
        << "Deze keuze nemen voor het oefenen met alle tijden (uren,minuten,seconden).";
    const QString notation = QStringLiteral("De notitiestijl is de wijze waarop de invoer moet gebeuren.");
    QTest::addRow("notation_1") << "Notitie1" << notation;
    QTest::addRow("notation_2") << "Notitie2" << notation;
    QTest::addRow("notation_3") << "Notitie3" << notation;
    QTest::addRow("choice_back") << "KeuzePaneelTerugKnop" << "Terug naar het startmenu.";
    QTest::addRow("choice_ok") << "KeuzePaneelOkKnop" << "Start de oefening met de ingestelde parameters.";
    QTest::addRow("memo") << "Memo1" << "Info in verband met de instellingen.";
    QTest::addRow("check_button_two_spaces") << "ADControleKnop"
        << "Deze knop ingedrukt houden om te zien of je de opgave juist hebt ingevuld.\r"
           "Achtergrond \"groen\" = goed.\rAchtergrond  \"rood\" = fout.";
    QTest::addRow("next_task") << "ADOkKnop"
        << "Via deze knop ga je naar de volgende opgave en de punten worden aangepast.";
    QTest::addRow("stop_exercise") << "ADStopKnop"
        << "Deze knop stopt de huidige oefening, maar... de behaalde punten blijven zichtbaar.";
}

void TestHelpTexts::fixedTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, expected);
    for (int kind : kinds) {
        for (bool vierentwintig : clocks) {
            const auto text = helpTextFor(control, kind, vierentwintig);
            QVERIFY2(text.has_value(), qPrintable(control));
            QCOMPARE(*text, expected);
            QVERIFY(!text->contains(u'\n'));
            QVERIFY(std::all_of(text->cbegin(), text->cend(), [](QChar c) { return c.unicode() <= 0xFF; }));
        }
    }
}

void TestHelpTexts::exerciseTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("oefenType");
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<QString>("expected");

    QTest::addRow("hour_field_analog_to_digital") << "UurInvoerVeld" << 2 << false
        << "Hier moet het juiste uur van de opdracht worden ingevuld.";
    QTest::addRow("hour_field_digital_to_analog") << "UurInvoerVeld" << 1 << true
        << "De uurwijzer moet op dit uur geplaatst worden.";
    QTest::addRow("minute_field_analog_to_digital") << "MinInvoerVeld" << 2 << true
        << "Hier moet het juist aantal minuten van de opdracht worden ingevuld.";
    QTest::addRow("minute_field_digital_to_analog") << "MinInvoerVeld" << 1 << false
        << "De minutenwijzer moet op dit aantal minuten geplaatst worden.";
    QTest::addRow("second_field_analog_to_digital") << "SecInvoerVeld" << 2 << false
        << "Hier moet het juist aantal seconden van de opdracht worden ingevuld.";
    QTest::addRow("second_field_digital_to_analog") << "SecInvoerVeld" << 1 << false
        << "De secondenwijzer moet op dit aantal seconden geplaatst worden.";

    const QString knobReading = QStringLiteral("De Klok is de opdracht\rVul de stand van "
        "uurwijzer/minutenwijzer/secondenwijzer in, in de daarvoor voorziene velden.");
    const QString knobSetting = QStringLiteral("Om de wijzers te verplaatsen :\r"
        "1) Een muisklik op het cirkeltje selecteert de betreffende wijzer (de wijzer wordt geel).\r"
        "2) Wijs met de muiscursor het gewenste punt (op de klokverdeling) aan (de wijzer richt zich hierop)\r"
        "3) Klik op dit punt om de wijzer vast te zetten.");
    QTest::addRow("hour_knob_analog_to_digital") << "UurWijzerKnop" << 2 << false << knobReading;
    QTest::addRow("minute_knob_analog_to_digital") << "MinutenWijzerKnop" << 2 << true << knobReading;
    QTest::addRow("second_knob_analog_to_digital") << "SecondenWijzerKnop" << 2 << false << knobReading;
    QTest::addRow("hour_knob_digital_to_analog") << "UurWijzerKnop" << 1 << false << knobSetting;
    QTest::addRow("minute_knob_digital_to_analog") << "MinutenWijzerKnop" << 1 << false << knobSetting;
    QTest::addRow("second_knob_digital_to_analog") << "SecondenWijzerKnop" << 1 << true << knobSetting;

    const QString space = QStringLiteral(" ");
    QTest::addRow("morning_analog_to_digital_24h") << "VoorMiddagNaMiddag" << 2 << true
        << "Dit is een indicatie die enkel te zien is tijdens het werken met een 24u- klok.\r"
           "Voormiddag = 00:00:00 tot 11:59:59.\rNamiddag = 12:00:00 tot 23:59:59.";
    QTest::addRow("morning_analog_to_digital_12h") << "VoorMiddagNaMiddag" << 2 << false << space;
    QTest::addRow("morning_digital_to_analog_24h") << "VoorMiddagNaMiddag" << 1 << true << space;
    QTest::addRow("morning_digital_to_analog_12h") << "VoorMiddagNaMiddag" << 1 << false << space;
    QTest::addRow("morning_idle_24h") << "VoorMiddagNaMiddag" << 0 << true << space;
    QTest::addRow("morning_idle_12h") << "VoorMiddagNaMiddag" << 0 << false << space;
}

void TestHelpTexts::exerciseTexts()
{
    QFETCH(QString, control);
    QFETCH(int, oefenType);
    QFETCH(bool, vierentwintig);
    QFETCH(QString, expected);
    const auto text = helpTextFor(control, oefenType, vierentwintig);
    QVERIFY(text.has_value());
    QCOMPARE(*text, expected);
}

void TestHelpTexts::noHandler_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("oefenType");

    const char *withoutHandler[] = {"GroupBox2", "Panel1", "Panel4", "Label41", "Label14", "Help",
                                    "Panel3", "Info", "Panel8", "M7", "Form2", "", "image4"};
    for (const char *control : withoutHandler)
        for (int kind : kinds)
            QTest::addRow("%s_kind_%d", *control ? control : "nameless", kind) << control << kind;

    const char *exerciseOnly[] = {"UurInvoerVeld", "MinInvoerVeld", "SecInvoerVeld",
                                  "UurWijzerKnop", "MinutenWijzerKnop", "SecondenWijzerKnop"};
    for (const char *control : exerciseOnly)
        QTest::addRow("%s_idle", control) << control << 0;
}

void TestHelpTexts::noHandler()
{
    QFETCH(QString, control);
    QFETCH(int, oefenType);
    for (bool vierentwintig : clocks)
        QVERIFY(!helpTextFor(control, oefenType, vierentwintig).has_value());
}

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
