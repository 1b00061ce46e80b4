// The answer fields: the task's digits by level and notation, where the fields and their
// labels stand, the Enter key that walks to OK, emptying on focus, the two-character
// limit and the morning/afternoon hint of the 24-hour dial.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {
QWidget *focus()
{
    return QApplication::focusWidget();
}
}

class TestAnswerFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void digitalTaskInFields_data();
    void digitalTaskInFields();
    void fieldLayoutPerNotation_data();
    void fieldLayoutPerNotation();
    void enterWalksToOk_data();
    void enterWalksToOk();
    void keyboardAloneAnswersTask();
    void focusEmptiesField_data();
    void focusEmptiesField();
    void returningToWindowKeepsTypedText();
    void atMostTwoCharacters_data();
    void atMostTwoCharacters();
    void halfDayHint_data();
    void halfDayHint();

private:
    std::unique_ptr<Window> m_form;
};

void TestAnswerFields::cleanup()
{
    m_form.reset();
}

void TestAnswerFields::digitalTaskInFields_data()
{
    QTest::addColumn<QStringList>("keuzes");
    QTest::addColumn<QList<int>>("worpen");
    QTest::addColumn<int>("overslaan");
    QTest::addColumn<QStringList>("cijfers");
    const QStringList uren{"UrenAan", "Notitie1"};
    const auto rij = [](const char *naam, const QStringList &keuzes, const QList<Opgave> &opgaven,
                        const QStringList &cijfers) {
        QTest::addRow("%s", naam) << keuzes << drawsFor(keuzes, opgaven) << int(opgaven.size() - 1) << cijfers;
    };
    rij("enkel_uren", uren, {{7}}, {"7"});
    // Drawn as it comes: the first task draws again over an hour 0.
    QTest::addRow("eerste_opgave_nooit_uur_0") << uren << QList<int>{0, 0, 6} << 0 << QStringList{"6"};
    rij("twaalf_uur_geschreven_als_0", uren, {{5}, {0}}, {"0"});
    rij("vierentwintig_uren", {"VierentwintigUren", "UrenAan", "Notitie1"}, {{17}}, {"17"});
    rij("halve_uren_heel", {"HalveUrenAan", "Notitie2"}, {{4, 0}}, {"4", "0"});
    rij("halve_uren_half", {"HalveUrenAan", "Notitie2"}, {{4, 30}}, {"4", "30"});
    rij("kwartier_over", {"KwartierenAan", "Notitie2"}, {{9, 15}}, {"9", "15"});
    rij("kwartier_voor", {"KwartierenAan", "Notitie2"}, {{9, 45}}, {"9", "45"});
    rij("kwartieren_zonder_seconden", {"KwartierenAan", "Notitie3"}, {{9, 45}}, {"9", "45", "0"});
    rij("alle_tijden_met_seconden", {"MinutenAan", "Notitie3"}, {{11, 7, 42}}, {"11", "7", "42"});
    rij("alle_tijden_uren_minuten", {"MinutenAan", "Notitie2"}, {{11, 7, 42}}, {"11", "7"});
    rij("alle_tijden_enkel_uren", {"MinutenAan", "Notitie1"}, {{11, 7, 42}}, {"11"});
}

void TestAnswerFields::digitalTaskInFields()
{
    QFETCH(QStringList, keuzes);
    QFETCH(QList<int>, worpen);
    QFETCH(int, overslaan);
    QFETCH(QStringList, cijfers);
    m_form = std::make_unique<Window>(worpen);
    TForm1 &f = m_form->form;
    startExercise(f, DigitaalNaarAnaloog, keuzes);
    WindowFixture::skipTasks(f, overslaan);
    const QList<EditField *> v = f.antwoordVelden();
    for (int i = 0; i < v.size(); ++i) {
        QCOMPARE(!v[i]->isHidden(), i < cijfers.size());
        if (i < cijfers.size())
            QCOMPARE(v[i]->text(), cijfers[i]);
    }
    QVERIFY(f.VoorMiddagNaMiddag->text().isEmpty());
}

void TestAnswerFields::fieldLayoutPerNotation_data()
{
    QTest::addColumn<QString>("notatie");
    QTest::addColumn<QList<int>>("links");
    QTest::addRow("uren") << "Notitie1" << QList<int>{75};
    QTest::addRow("uren_minuten") << "Notitie2" << QList<int>{47, 104};
    QTest::addRow("uren_minuten_seconden") << "Notitie3" << QList<int>{32, 76, 119};
}

void TestAnswerFields::fieldLayoutPerNotation()
{
    QFETCH(QString, notatie);
    QFETCH(QList<int>, links);
    m_form = std::make_unique<Window>();
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal, {"MinutenAan", notatie});
    for (int i = 0; i < 3; ++i) {
        const bool inGebruik = i < links.size();
        QCOMPARE(!f.antwoordVelden().at(i)->isHidden(), inGebruik);
        QCOMPARE(!f.veldNamen().at(i)->isHidden(), inGebruik);
        if (!inGebruik)
            continue;
        QCOMPARE(f.antwoordVelden().at(i)->pos(), QPoint(links[i], 22));
        QVERIFY(f.antwoordVelden().at(i)->text().isEmpty());
        QCOMPARE(f.veldNamen().at(i)->pos(), QPoint(links[i] + 4, 47));
        QCOMPARE(f.controles().at(i)->pos(), QPoint(links[i] + 6, 67));
    }
}

void TestAnswerFields::enterWalksToOk_data()
{
    QTest::addColumn<QStringList>("keuzes");
    QTest::addColumn<QStringList>("route");
    QTest::addRow("drie_velden") << QStringList{"MinutenAan", "Notitie3"}
                                 << QStringList{"MinInvoerVeld", "SecInvoerVeld", "ADOkKnop"};
    QTest::addRow("twee_velden") << QStringList{"MinutenAan", "Notitie2"} << QStringList{"MinInvoerVeld", "ADOkKnop"};
    QTest::addRow("een_veld") << QStringList{"MinutenAan", "Notitie1"} << QStringList{"ADOkKnop"};
    QTest::addRow("secondenveld_uitgeschakeld") << QStringList{"SecondenAan", "MinutenAan", "Notitie3"}
                                                << QStringList{"MinInvoerVeld", "ADOkKnop"};
    // Whole hours with the seconds hand on: the field goes as soon as the hands turn.
    QTest::addRow("secondenveld_verborgen") << QStringList{"UrenAan", "Notitie3"}
                                            << QStringList{"MinInvoerVeld", "ADOkKnop"};
}

void TestAnswerFields::enterWalksToOk()
{
    QFETCH(QStringList, keuzes);
    QFETCH(QStringList, route);
    m_form = std::make_unique<Window>();
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, AnaloogNaarDigitaal, keuzes);
    tickAnimation(f, 1);
    QCOMPARE(focus(), f.UurInvoerVeld);
    typeKeys(f.UurInvoerVeld, QStringLiteral("7"));
    for (const QString &naam : route) {
        auto *volgendVeld = f.findChild<EditField *>(naam);
        if (volgendVeld)
            typeKeys(volgendVeld, QStringLiteral("9"));
        QTest::keyClick(focus(), Qt::Key_Return);
        QCOMPARE(focus()->objectName(), naam);
        if (volgendVeld)
            QVERIFY(volgendVeld->text().isEmpty());
    }
    QCOMPARE(f.Label8->text(), QStringLiteral("0"));
}

// Digits, Enter, digits, Enter, Enter: task 7:15 answered and scored without the mouse.
void TestAnswerFields::keyboardAloneAnswersTask()
{
    m_form = std::make_unique<Window>(drawsFor({"KwartierenAan"}, {{7, 15}}));
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, AnaloogNaarDigitaal, {"KwartierenAan"});
    QTest::keyClicks(focus(), QStringLiteral("7"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QTest::keyClicks(focus(), QStringLiteral("15"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(focus(), f.ADOkKnop);
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(f.Label6->text(), QStringLiteral("1"));
    QCOMPARE(f.Label8->text(), QStringLiteral("1"));
    QCOMPARE(focus(), f.UurInvoerVeld);
}

void TestAnswerFields::focusEmptiesField_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("metTab");
    QTest::addColumn<QString>("veld");
    QTest::addRow("analoog_klik_in_minuten") << int(AnaloogNaarDigitaal) << false << "MinInvoerVeld";
    QTest::addRow("analoog_tab_naar_minuten") << int(AnaloogNaarDigitaal) << true << "MinInvoerVeld";
    QTest::addRow("digitaal_klik_in_uur") << int(DigitaalNaarAnaloog) << false << "UurInvoerVeld";
    QTest::addRow("digitaal_klik_in_minuten") << int(DigitaalNaarAnaloog) << false << "MinInvoerVeld";
}

// Task 7:15. In the digital -> analog exercise the field shows the task; emptying it
// leaves the task itself alone.
void TestAnswerFields::focusEmptiesField()
{
    QFETCH(int, soort);
    QFETCH(bool, metTab);
    QFETCH(QString, veld);
    m_form = std::make_unique<Window>(drawsFor({"KwartierenAan"}, {{7, 15}}));
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, int(soort), {"KwartierenAan"});
    auto *doel = f.findChild<EditField *>(veld);
    if (soort == AnaloogNaarDigitaal)
        typeKeys(doel, QStringLiteral("12"));
    QVERIFY(!doel->text().isEmpty());
    if (metTab)
        QTest::keyClick(focus(), Qt::Key_Tab);
    else
        click(doel);
    QCOMPARE(focus(), doel);
    QVERIFY(doel->text().isEmpty());
    QCOMPARE(f.oefenToestand().OpgaveUur, 7);
    QCOMPARE(f.oefenToestand().OpgaveMin, 15);
    if (soort == DigitaalNaarAnaloog) {
        EditField *ander = doel == f.UurInvoerVeld ? f.MinInvoerVeld : f.UurInvoerVeld;
        QCOMPARE(ander->text(), doel == f.UurInvoerVeld ? QStringLiteral("15") : QStringLiteral("7"));
    }
}

// Only moving the focus to a field empties it; coming back from another window does not.
void TestAnswerFields::returningToWindowKeepsTypedText()
{
    m_form = std::make_unique<Window>(drawsFor({"KwartierenAan"}, {{7, 15}}));
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, AnaloogNaarDigitaal, {"KwartierenAan"});
    QCOMPARE(focus(), f.UurInvoerVeld);
    typeKeys(f.UurInvoerVeld, QStringLiteral("7"));
    QWidget ander;
    ander.show();
    QVERIFY(QTest::qWaitForWindowActive(&ander));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(focus(), f.UurInvoerVeld);
    QCOMPARE(f.UurInvoerVeld->text(), QStringLiteral("7"));
}

void TestAnswerFields::atMostTwoCharacters_data()
{
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("tekst");
    QTest::addRow("drie_cijfers") << "123" << "12";
    QTest::addRow("twee_letters") << "ab" << "ab";
    QTest::addRow("letter_en_cijfers") << "a1b" << "a1";
    QTest::addRow("teken_en_cijfers") << "-57" << "-5";
}

void TestAnswerFields::atMostTwoCharacters()
{
    QFETCH(QString, getypt);
    QFETCH(QString, tekst);
    m_form = std::make_unique<Window>();
    startExercise(m_form->form, AnaloogNaarDigitaal, {"MinutenAan", "Notitie3"});
    for (EditField *veld : m_form->form.antwoordVelden()) {
        typeKeys(veld, getypt);
        QCOMPARE(veld->text(), tekst);
    }
}

void TestAnswerFields::halfDayHint_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<QList<int>>("worpen");
    QTest::addColumn<int>("overslaan");
    QTest::addColumn<QString>("tekst");
    const int analoog = AnaloogNaarDigitaal;
    const int digitaal = DigitaalNaarAnaloog;
    const auto rij = [](const char *naam, int soort, bool vierentwintig, const QList<Opgave> &opgaven, const char *tekst) {
        const QStringList keuzes = vierentwintig ? QStringList{"VierentwintigUren"} : QStringList{};
        QTest::addRow("%s", naam) << soort << vierentwintig << drawsFor(keuzes, opgaven) << int(opgaven.size() - 1)
                                  << QString::fromUtf8(tekst);
    };
    rij("analoog_17_uur_namiddag", analoog, true, {{17}}, "In de namiddag");
    rij("analoog_12_uur_namiddag", analoog, true, {{12}}, "In de namiddag");
    rij("analoog_11_uur_voormiddag", analoog, true, {{11}}, "In de voormiddag");
    rij("analoog_middernacht_voormiddag", analoog, true, {{17}, {0}}, "In de voormiddag");
    rij("analoog_twaalf_uren_klok_zwijgt", analoog, false, {{5}}, "");
    rij("digitaal_17_uur_zwijgt", digitaal, true, {{17}}, "");
    rij("digitaal_5_uur_zwijgt", digitaal, true, {{5}}, "");
}

void TestAnswerFields::halfDayHint()
{
    QFETCH(int, soort);
    QFETCH(bool, vierentwintig);
    QFETCH(QList<int>, worpen);
    QFETCH(int, overslaan);
    QFETCH(QString, tekst);
    m_form = std::make_unique<Window>(worpen);
    TForm1 &f = m_form->form;
    startExercise(f, int(soort), vierentwintig ? QStringList{"VierentwintigUren"} : QStringList{});
    WindowFixture::skipTasks(f, overslaan);
    QCOMPARE(f.VoorMiddagNaMiddag->text(), tekst);
    QVERIFY(!f.VoorMiddagNaMiddag->isHidden());
}

QTEST_MAIN(TestAnswerFields)
#include "tst_answerfields.moc"
