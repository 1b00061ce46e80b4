// The timer field of the settings group: a click saves its text and writes "0"; leaving it
// or pressing Enter reads the minutes and puts the saved text back when they are no whole number.
#include "WindowFixture.h"

using namespace WindowFixture;

class TestTimerField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void clickSavesTextAndWritesZero();
    void leavingTimerField_data();
    void leavingTimerField();
    void badEntryKeepsStartShown_data();
    void badEntryKeepsStartShown();
    void enterOutsideChoicePanel_data();
    void enterOutsideChoicePanel();
    void enterInChoicePanelStarts_data();
    void enterInChoicePanelStarts();
    void endsWithFocusInTimerField();

private:
    TForm1 &form() { return m_window->form; }

    std::unique_ptr<Window> m_window;
};

void TestTimerField::init()
{
    m_window = std::make_unique<Window>();
    QVERIFY(showActive(m_window->form));
}

// The learner closes the window before the program ends.
void TestTimerField::cleanup()
{
    if (m_window)
        m_window->form.close();
    m_window.reset();
}

void TestTimerField::clickSavesTextAndWritesZero()
{
    QLineEdit *field = form().TimerMinuten;
    enterMinutes(form(), QStringLiteral("7"));
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(form().aftelToestand().VorigeTimerTekst, QStringLiteral("7"));
    QVERIFY(field->hasFocus());

    // A click into the field that has the focus saves again.
    replaceText(field, QStringLiteral("4"));
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(field->text(), QStringLiteral("0"));
    replaceText(field, QStringLiteral("x"));
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->text(), QStringLiteral("4"));
}

void TestTimerField::leavingTimerField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("startShown");
    QTest::addColumn<bool>("newTask");

    QTest::addRow("positive_offers_start") << "5" << "5" << true << true;
    QTest::addRow("zero_hides_start") << "0" << "0" << false << true;
    QTest::addRow("negative_hides_start") << "-3" << "-3" << false << true;
    QTest::addRow("blanks_around_trimmed") << " 5 " << "5" << true << true;
    QTest::addRow("empty_restored") << "" << "7" << false << false;
    QTest::addRow("only_blanks_restored") << "  " << "7" << false << false;
    QTest::addRow("letters_restored") << "abc" << "7" << false << false;
    QTest::addRow("digit_then_letter_restored") << "1a" << "7" << false << false;
    QTest::addRow("sign_alone_restored") << "-" << "7" << false << false;
}

// Back in the choice panel after one right answer: 1 of 1, START hidden, "7" in the field.
void TestTimerField::leavingTimerField()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, startShown);
    QFETCH(bool, newTask);
    reach(form(), Stage::Running, QStringLiteral("7"));
    answer(form(), true);
    QTest::mouseClick(form().ADKnop1, Qt::LeftButton);
    QCOMPARE(form().Label6->text(), QStringLiteral("1"));
    QVERIFY(form().Startknop->isHidden());
    const int hourBefore = form().oefenToestand().OpgaveUur;

    enterMinutes(form(), typed);

    QVERIFY(!form().TimerMinuten->hasFocus());
    QCOMPARE(form().TimerMinuten->text(), text);
    QCOMPARE(!form().Startknop->isHidden(), startShown);
    const QString score = newTask ? QStringLiteral("0") : QStringLiteral("1");
    QCOMPARE(form().Label6->text(), score);
    QCOMPARE(form().Label8->text(), score);
    // A new task never repeats the hour, and the hands set off towards it.
    QCOMPARE(form().oefenToestand().OpgaveUur != hourBefore, newTask);
    QCOMPARE(form().Timer3->isActive(), newTask);
}

void TestTimerField::badEntryKeepsStartShown_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addRow("empty") << "";
    QTest::addRow("letters") << "abc";
    QTest::addRow("digit_then_letter") << "1a";
}

void TestTimerField::badEntryKeepsStartShown()
{
    QFETCH(QString, typed);
    enterMinutes(form(), QStringLiteral("7"));
    QVERIFY(!form().Startknop->isHidden());
    const int hourBefore = form().oefenToestand().OpgaveUur;

    enterMinutes(form(), typed);

    QCOMPARE(form().TimerMinuten->text(), QStringLiteral("7"));
    QVERIFY(!form().Startknop->isHidden());
    QCOMPARE(form().oefenToestand().OpgaveUur, hourBefore);
}

void TestTimerField::enterOutsideChoicePanel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addRow("whole_number_kept") << "5" << "5";
    QTest::addRow("zero_kept") << "0" << "0";
    QTest::addRow("blanks_trimmed") << " 6 " << "6";
    QTest::addRow("letters_restored") << "ab" << "4";
    QTest::addRow("empty_restored") << "" << "4";
}

// In Idle, Enter only tidies the entry: no task, no score reset, START as it was.
void TestTimerField::enterOutsideChoicePanel()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    enterMinutes(form(), QStringLiteral("4"));
    const int hourBefore = form().oefenToestand().OpgaveUur;

    typeInto(form().TimerMinuten, typed);
    QTest::keyClick(form().TimerMinuten, Qt::Key_Return);

    QCOMPARE(form().TimerMinuten->text(), text);
    QVERIFY(form().TimerMinuten->hasFocus());
    QVERIFY(!form().Startknop->isHidden());
    QCOMPARE(form().oefenToestand().OpgaveUur, hourBefore);
    QVERIFY(form().KeuzePaneel->isHidden());
}

void TestTimerField::enterInChoicePanelStarts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("startShown");
    QTest::addRow("positive_offers_start") << "5" << true;
    QTest::addRow("zero_offers_none") << "0" << false;
    QTest::addRow("letters_fall_back_to_saved") << "ab" << true;
}

void TestTimerField::enterInChoicePanelStarts()
{
    QFETCH(QString, typed);
    QFETCH(bool, startShown);
    reach(form(), Stage::Choosing, QStringLiteral("4"));

    typeInto(form().TimerMinuten, typed);
    QTest::keyClick(form().TimerMinuten, Qt::Key_Return);

    QVERIFY(form().KeuzePaneel->isHidden());
    QVERIFY(!form().ADOefening->isHidden());
    QVERIFY(form().TimerMinuten->isHidden());
    QCOMPARE(!form().Startknop->isHidden(), startShown);
}

// Quitting (the STOP picture) ends the program with the window still shown; the timer
// field that has the focus then loses it while the window is being torn down.
void TestTimerField::endsWithFocusInTimerField()
{
    enterMinutes(form(), QStringLiteral("5"));
    QTest::mouseClick(form().TimerMinuten, Qt::LeftButton);
    QVERIFY(form().TimerMinuten->hasFocus());
    m_window.reset();
}

QTEST_MAIN(TestTimerField)
#include "tst_timerfield.moc"
