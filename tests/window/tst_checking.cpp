// Judging through the window: typed answers and hands set with the mouse, the "?" button
// that shows right and wrong while it is held, and the score that OK keeps.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {
// "goed" green, "fout" red, "-" not judged: the field stays white.
QColor kleurVanOordeel(const QString &oordeel)
{
    return oordeel == u"goed" ? Green : oordeel == u"fout" ? Red : White;
}

void typAntwoord(TForm1 &f, const QStringList &getypt)
{
    for (int i = 0; i < 3; ++i)
        typeKeys(f.antwoordVelden().at(i), getypt[i]);
}
}

class TestChecking : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void typedAnswer_data();
    void typedAnswer();
    void holdingQuestionMarkColoursTypedHands_data();
    void holdingQuestionMarkColoursTypedHands();
    void handsSetWithMouse_data();
    void handsSetWithMouse();
    void holdingQuestionMarkShowsTaskOnHands();
    void releaseKeepsLearnersSettingForOk();
    void scoreCountsRightTasks();
    void okOutsideExerciseDoesNothing_data();
    void okOutsideExerciseDoesNothing();

private:
    void setHands(const QList<int> &merken);
    bool zetMinuutFout();
    std::unique_ptr<Window> m_form;
};

void TestChecking::cleanup()
{
    m_form.reset();
}

void TestChecking::typedAnswer_data()
{
    QTest::addColumn<QStringList>("keuzes");
    QTest::addColumn<QList<int>>("worpen");
    QTest::addColumn<int>("overslaan");
    QTest::addColumn<QStringList>("getypt");
    QTest::addColumn<QStringList>("oordeel");
    QTest::addColumn<QStringList>("controle");
    QTest::addColumn<bool>("juist");
    const QStringList kwartieren{"KwartierenAan"};
    const QStringList uren{"UrenAan", "Notitie2"};
    const QStringList alles{"MinutenAan", "Notitie3"};
    const QStringList geen{"", "", ""};
    const auto rij = [](const char *naam, const QStringList &keuzes, const QList<Opgave> &opgaven) -> QTestData & {
        return QTest::addRow("%s", naam) << keuzes << drawsFor(keuzes, opgaven) << int(opgaven.size() - 1);
    };
    rij("twaalf_voor_opgave_uur_0", kwartieren, {{4, 0}, {0, 15}})
        << QStringList{"12", "15", ""} << QStringList{"goed", "goed", "-"} << geen << true;
    rij("nul_fout_voor_opgave_uur_0", kwartieren, {{4, 0}, {0, 15}})
        << QStringList{"0", "15", ""} << QStringList{"fout", "goed", "-"} << QStringList{"12", "", ""} << false;
    rij("vierentwintig_uren_17_goed", {"VierentwintigUren"}, {{17}})
        << QStringList{"17", "", ""} << QStringList{"goed", "-", "-"} << geen << true;
    rij("vierentwintig_uren_5_fout_voor_17", {"VierentwintigUren"}, {{17}})
        << QStringList{"5", "", ""} << QStringList{"fout", "-", "-"} << QStringList{"17", "", ""} << false;
    // Hidden fields that still hold something are not judged with hours alone.
    rij("enkel_uren_negeert_minuten_en_seconden", {"MinutenAan", "Notitie1"}, {{7, 25, 40}})
        << QStringList{"7", "25", "40"} << QStringList{"goed", "-", "-"} << geen << true;
    rij("leeg_uur_wordt_0_en_is_fout", uren, {{7}})
        << geen << QStringList{"fout", "goed", "-"} << QStringList{"7", "", ""} << false;
    rij("lege_minuut_wordt_0_en_is_goed", uren, {{7}})
        << QStringList{"7", "", ""} << QStringList{"goed", "goed", "-"} << geen << true;
    rij("twee_letters_zijn_fout", uren, {{7}})
        << QStringList{"ab", "0", ""} << QStringList{"fout", "goed", "-"} << QStringList{"7", "", ""} << false;
    rij("voorloopnul_telt_niet", kwartieren, {{7, 15}})
        << QStringList{"07", "15", ""} << QStringList{"goed", "goed", "-"} << geen << true;
    rij("minuut_fout", kwartieren, {{7, 15}})
        << QStringList{"7", "30", ""} << QStringList{"goed", "fout", "-"} << QStringList{"", "15", ""} << false;
    rij("alles_goed_met_seconden", alles, {{7, 25, 40}})
        << QStringList{"7", "25", "40"} << QStringList{"goed", "goed", "goed"} << geen << true;
    rij("seconde_fout", alles, {{7, 25, 40}})
        << QStringList{"7", "25", "41"} << QStringList{"goed", "goed", "fout"} << QStringList{"", "", "40"} << false;
    // Without the seconds hand no seconds are drawn, but the notation still judges the field.
    rij("seconden_beoordeeld_zonder_secondenwijzer", {"SecondenAan", "MinutenAan", "Notitie3"}, {{7, 25}})
        << QStringList{"7", "25", ""} << QStringList{"goed", "goed", "goed"} << geen << true;
}

// Holding "?" shows the verdict, letting go takes it away, OK scores it.
void TestChecking::typedAnswer()
{
    QFETCH(QStringList, keuzes);
    QFETCH(QList<int>, worpen);
    QFETCH(int, overslaan);
    QFETCH(QStringList, getypt);
    QFETCH(QStringList, oordeel);
    QFETCH(QStringList, controle);
    QFETCH(bool, juist);
    m_form = std::make_unique<Window>(worpen);
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal, QStringList{"VraagtekenAan"} + keuzes);
    WindowFixture::skipTasks(f, overslaan);
    typAntwoord(f, getypt);
    QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.antwoordVelden().at(i)->text(), getypt[i].isEmpty() ? QStringLiteral("0") : getypt[i]);
        QCOMPARE(backgroundOf(f.antwoordVelden().at(i)), kleurVanOordeel(oordeel[i]));
        QCOMPARE(f.controles().at(i)->text(), controle[i]);
        if (!controle[i].isEmpty())
            QVERIFY(!f.controles().at(i)->isHidden());
    }
    QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(backgroundOf(f.antwoordVelden().at(i)), White);
        QCOMPARE(textColourOf(f.antwoordVelden().at(i)), Black);
        QVERIFY(f.controles().at(i)->text().isEmpty());
    }
    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), juist ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(f.Label8->text(), QString::number(overslaan + 1));
}

void TestChecking::holdingQuestionMarkColoursTypedHands_data()
{
    QTest::addColumn<Qt::MouseButton>("muisknop");
    QTest::addRow("linker_muisknop") << Qt::LeftButton;
    QTest::addRow("rechter_muisknop") << Qt::RightButton;
}

// Task 7:15 answered 7:30: while "?" is held the hands show 7:15, the minute hand red.
void TestChecking::holdingQuestionMarkColoursTypedHands()
{
    QFETCH(Qt::MouseButton, muisknop);
    m_form = std::make_unique<Window>(drawsFor({"KwartierenAan"}, {{7, 15}}));
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal, {"VraagtekenAan", "KwartierenAan"});
    typAntwoord(f, {"7", "30", ""});
    QTest::mousePress(f.ADControleKnop, muisknop);
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 15);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Red));
    QVERIFY(handIn(f, f.klokToestand().UurEindpunt, Green));
    QTest::mouseRelease(f.ADControleKnop, muisknop);
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 15);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Black));
    QVERIFY(handIn(f, f.klokToestand().UurEindpunt, Black));
    QCOMPARE(f.MinInvoerVeld->text(), QStringLiteral("30"));
}

void TestChecking::setHands(const QList<int> &merken)
{
    TForm1 &f = m_form->form;
    for (int i = 0; i < merken.size(); ++i)
        QVERIFY(setHand(f, f.knoppen().at(i), merken[i]));
}

void TestChecking::handsSetWithMouse_data()
{
    QTest::addColumn<QStringList>("keuzes");
    QTest::addColumn<QList<int>>("worpen");
    QTest::addColumn<int>("overslaan");
    QTest::addColumn<QList<int>>("merken");
    QTest::addColumn<bool>("juist");
    const QStringList vierentwintig{"VierentwintigUren", "UrenAan", "Notitie1"};
    const QStringList alles{"MinutenAan", "Notitie3"};
    const auto rij = [](const char *naam, const QStringList &keuzes, const QList<Opgave> &opgaven) -> QTestData & {
        return QTest::addRow("%s", naam) << keuzes << drawsFor(keuzes, opgaven) << int(opgaven.size() - 1);
    };
    rij("opgave_17_uurwijzer_op_5", vierentwintig, {{17}}) << QList<int>{25, 0} << true;
    rij("opgave_17_uurwijzer_op_4", vierentwintig, {{17}}) << QList<int>{20, 0} << false;
    rij("opgave_0_uurwijzer_op_12", {"UrenAan", "Notitie1"}, {{5}, {0}}) << QList<int>{0, 0} << true;
    rij("minutenwijzer_fout", {"KwartierenAan"}, {{7, 15}}) << QList<int>{35, 20} << false;
    rij("alles_goed_met_seconden", alles, {{7, 25, 40}}) << QList<int>{35, 25, 40} << true;
    rij("secondenwijzer_fout", alles, {{7, 25, 40}}) << QList<int>{35, 25, 41} << false;
    // Switched off while choosing, the seconds hand keeps the clock's 30 seconds: not judged.
    rij("secondenwijzer_uit_niet_beoordeeld", {"SecondenAan", "MinutenAan", "Notitie3"}, {{7, 25}})
        << QList<int>{35, 25} << true;
}

void TestChecking::handsSetWithMouse()
{
    QFETCH(QStringList, keuzes);
    QFETCH(QList<int>, worpen);
    QFETCH(int, overslaan);
    QFETCH(QList<int>, merken);
    QFETCH(bool, juist);
    m_form = std::make_unique<Window>(worpen);
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, DigitaalNaarAnaloog, keuzes);
    WindowFixture::skipTasks(f, overslaan);
    setHands(merken);
    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), juist ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(f.Label8->text(), QString::number(overslaan + 1));
}

// Task 7:25:40, set as 7:20:40 in a digital -> analog exercise with "?".
bool TestChecking::zetMinuutFout()
{
    m_form = std::make_unique<Window>(drawsFor({"MinutenAan"}, {{7, 25, 40}}));
    TForm1 &f = m_form->form;
    if (!showActive(f))
        return false;
    startExercise(f, DigitaalNaarAnaloog, {"VraagtekenAan", "MinutenAan", "Notitie3"});
    setHands({35, 20, 40});
    return true;
}

void TestChecking::holdingQuestionMarkShowsTaskOnHands()
{
    QVERIFY(zetMinuutFout());
    TForm1 &f = m_form->form;
    QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
    QCOMPARE(f.UurWijzerKnop->fill(), Green);
    QCOMPARE(f.MinutenWijzerKnop->fill(), Red);
    QCOMPARE(f.SecondenWijzerKnop->fill(), Green);
    QCOMPARE(f.klokToestand().StandMin, 25);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Black));
    const QPoint opgaveMinuut = f.klokToestand().MinEindpunt;
    QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 20);
    QCOMPARE(f.klokToestand().StandSec, 40);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Black));
    QVERIFY(handIn(f, opgaveMinuut, Background));
    for (ShapeKnob *k : f.knoppen())
        QCOMPARE(k->fill(), White);
    QCOMPARE(backgroundOf(f.UurInvoerVeld), Blue);
    QCOMPARE(textColourOf(f.UurInvoerVeld), Yellow);
    for (QLabel *c : f.controles())
        QVERIFY(c->text().isEmpty());
}

// The wrong hand set the hands turning towards the task; once "?" is let go they must
// not arrive there, or OK would score the task's own time as the learner's answer.
void TestChecking::releaseKeepsLearnersSettingForOk()
{
    QVERIFY(zetMinuutFout());
    TForm1 &f = m_form->form;
    QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
    QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    tickAnimation(f, 60);
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 20);
    QCOMPARE(f.klokToestand().StandSec, 40);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Black));
    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), QStringLiteral("0"));
    QCOMPARE(f.Label8->text(), QStringLiteral("1"));
}

// Whole hours 3 and 5 in turn, answered 3, 5, 3 and 4.
void TestChecking::scoreCountsRightTasks()
{
    m_form = std::make_unique<Window>(drawsFor({}, {{3}, {5}}));
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal);
    for (const char *antwoord : {"3", "5", "3", "4"}) {
        typeKeys(f.UurInvoerVeld, QString::fromLatin1(antwoord));
        click(f.ADOkKnop);
    }
    QCOMPARE(f.Label6->text(), QStringLiteral("3"));
    QCOMPARE(f.Label8->text(), QStringLiteral("4"));
}

void TestChecking::okOutsideExerciseDoesNothing_data()
{
    QTest::addColumn<QString>("waar");
    QTest::addColumn<QString>("punten");
    QTest::addRow("bij_opstart") << "opstart" << "0";
    QTest::addRow("in_keuzepaneel") << "keuze" << "0";
    QTest::addRow("na_stop") << "stop" << "1";
}

void TestChecking::okOutsideExerciseDoesNothing()
{
    QFETCH(QString, waar);
    QFETCH(QString, punten);
    m_form = std::make_unique<Window>(drawsFor({}, {{3}, {5}}));
    TForm1 &f = m_form->form;
    if (waar == u"keuze")
        click(f.AnaloogDigitaal);
    if (waar == u"stop") {
        startExercise(f, AnaloogNaarDigitaal);
        typeKeys(f.UurInvoerVeld, QStringLiteral("3"));
        click(f.ADOkKnop);
        click(f.ADStopKnop);
    }
    const int opgaveUur = f.oefenToestand().OpgaveUur;
    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), punten);
    QCOMPARE(f.Label8->text(), punten);
    QCOMPARE(f.oefenToestand().OpgaveUur, opgaveUur);
    QVERIFY(f.UurInvoerVeld->text().isEmpty());
}

QTEST_MAIN(TestChecking)
#include "tst_checking.moc"
