// The choices of the settings group and the choice panel: what the learner first finds
// chosen, each set of radios keeping exactly one selected, and the levels and notations that
// keep the seconds hand off the face.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {

// The selected radio of each set, or none for a set without exactly one.
QList<QRadioButton *> selectedRadios(const TForm1 &form)
{
    QList<QRadioButton *> selected;
    for (const QList<QRadioButton *> &set : radioSets(form)) {
        QList<QRadioButton *> checked;
        for (QRadioButton *r : set)
            if (r->isChecked())
                checked << r;
        selected << (checked.size() == 1 ? checked.first() : nullptr);
    }
    return selected;
}

} // namespace

class TestChoices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_window = std::make_unique<Window>(); }
    void cleanup() { m_window.reset(); }

    void choicesAtStart_data();
    void choicesAtStart();
    void radioSetKeepsOneSelected_data();
    void radioSetKeepsOneSelected();
    void levelsWithoutSecondsHideSecondsHand_data();
    void levelsWithoutSecondsHideSecondsHand();
    void notationWithoutSecondsHidesHand_data();
    void notationWithoutSecondsHidesHand();

private:
    TForm1 &form() { return m_window->form; }

    std::unique_ptr<Window> m_window;
};

void TestChoices::choicesAtStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checked");

    QTest::addRow("TwaalfUren_selected") << "TwaalfUren" << true;
    QTest::addRow("VierentwintigUren") << "VierentwintigUren" << false;
    QTest::addRow("SecondenAan_ticked") << "SecondenAan" << true;
    QTest::addRow("WijzerCorrectie_ticked") << "WijzerCorrectie" << true;
    QTest::addRow("VraagtekenAan_not_ticked") << "VraagtekenAan" << false;
    QTest::addRow("Cijfers_selected") << "Cijfers" << true;
    QTest::addRow("Punten") << "Punten" << false;
    QTest::addRow("Romeins") << "Romeins" << false;
    QTest::addRow("UrenAan_selected") << "UrenAan" << true;
    QTest::addRow("HalveUrenAan") << "HalveUrenAan" << false;
    QTest::addRow("KwartierenAan") << "KwartierenAan" << false;
    QTest::addRow("MinutenAan") << "MinutenAan" << false;
    QTest::addRow("Notitie1_selected") << "Notitie1" << true;
    QTest::addRow("Notitie2") << "Notitie2" << false;
    QTest::addRow("Notitie3") << "Notitie3" << false;
}

void TestChoices::choicesAtStart()
{
    QFETCH(QString, name);
    QFETCH(bool, checked);

    const auto *choice = form().findChild<QAbstractButton *>(name);
    QVERIFY(choice);
    QCOMPARE(choice->isChecked(), checked);
}

void TestChoices::radioSetKeepsOneSelected_data()
{
    QTest::addColumn<int>("set");

    QTest::addRow("dial") << 0;
    QTest::addRow("numerals") << 1;
    QTest::addRow("level") << 2;
    QTest::addRow("notation") << 3;
}

// A click on the selected radio keeps it selected, and the arrow keys move only within its set.
void TestChoices::radioSetKeepsOneSelected()
{
    QFETCH(int, set);
    TForm1 &f = form();
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(f.DigitaalAnaloog, Qt::LeftButton); // the choice panel holds level and notation
    const QList<QRadioButton *> before = selectedRadios(f);
    QVERIFY(!before.contains(nullptr));

    QTest::mouseClick(before.at(set), Qt::LeftButton);
    QCOMPARE(selectedRadios(f), before);
    QCOMPARE(QApplication::focusWidget(), before.at(set));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Up}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QList<QRadioButton *> now = selectedRadios(f);
        QVERIFY2(radioSets(f).at(set).contains(now.at(set)), qPrintable(QString::number(key, 16)));
        now[set] = before.at(set);
        QCOMPARE(now, before);
    }
}

void TestChoices::levelsWithoutSecondsHideSecondsHand_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("choiceShown");
    QTest::addColumn<bool>("handShown");
    QTest::addColumn<int>("standSec");
    QTest::addColumn<bool>("fieldShown");

    QTest::addRow("whole_hours") << "UrenAan" << false << false << 0 << false;
    QTest::addRow("half_hours") << "HalveUrenAan" << false << false << 0 << false;
    QTest::addRow("quarters") << "KwartierenAan" << false << false << 0 << false;
    QTest::addRow("quarters_while_choosing") << "KwartierenAan" << true << true << 40 << false;
    QTest::addRow("all_times") << "MinutenAan" << false << true << 40 << true;
}

// Analog to digital: levels without seconds keep the seconds hand off the face.
void TestChoices::levelsWithoutSecondsHideSecondsHand()
{
    QFETCH(QString, level);
    QFETCH(bool, choiceShown);
    QFETCH(bool, handShown);
    QFETCH(int, standSec);
    QFETCH(bool, fieldShown);

    choose(form(), level);
    TForm1Probe(form()).run() = {choiceShown ? RunState::Choosing : RunState::Running, AnaloogNaarDigitaal};
    form().SecInvoerVeld->show();
    form().TekenSecondenwijzer(40);

    QCOMPARE(inkNear(form(), facePoint(40, SecondsLength), Black), handShown);
    QCOMPARE(inkNear(form(), facePoint(40, SecondsLength / 2), Black), handShown);
    QCOMPARE(pixelAt(form(), facePoint(0, SecondsLength / 2)), Background);
    QCOMPARE(form().klokToestand().GezetSec, 40);
    QCOMPARE(int(form().klokToestand().StandSec), standSec);
    const int otherMark = standSec == 0 ? 40 : 0;
    QCOMPARE(markColour(form(), standSec), Yellow);
    QCOMPARE(markColour(form(), otherMark), Black);
    QCOMPARE(!form().SecInvoerVeld->isHidden(), fieldShown);
    QVERIFY(form().SecondenWijzerKnop->isHidden());
}

void TestChoices::notationWithoutSecondsHidesHand_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<bool>("choiceShown");
    QTest::addColumn<bool>("handShown");
    QTest::addColumn<int>("standSec");

    QTest::addRow("hours_only") << "Notitie1" << false << false << 0;
    QTest::addRow("hours_and_minutes") << "Notitie2" << false << false << 0;
    QTest::addRow("with_seconds") << "Notitie3" << false << true << 40;
    QTest::addRow("hours_only_while_choosing") << "Notitie1" << true << true << 40;
}

// Digital to analog: the live clock stands still while the learner sets the hands.
void TestChoices::notationWithoutSecondsHidesHand()
{
    QFETCH(QString, notation);
    QFETCH(bool, choiceShown);
    QFETCH(bool, handShown);
    QFETCH(int, standSec);

    choose(form(), notation);
    TForm1Probe(form()).run() = {choiceShown ? RunState::Choosing : RunState::Running, DigitaalNaarAnaloog};
    form().TekenSecondenwijzer(40);

    QCOMPARE(inkNear(form(), facePoint(40, SecondsLength), Black), handShown);
    QCOMPARE(inkNear(form(), facePoint(40, SecondsLength / 2), Black), handShown);
    QCOMPARE(form().klokToestand().GezetSec, 40);
    QCOMPARE(int(form().klokToestand().StandSec), standSec);
    QCOMPARE(markColour(form(), standSec), Yellow);
    QCOMPARE(form().SecondenWijzerKnop->isHidden(), !handShown);
}

QTEST_MAIN(TestChoices)
#include "tst_choices.moc"
