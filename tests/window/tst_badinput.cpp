// What a new learner may put in the edit fields: letters, a sign alone, blanks, "00" and
// "-0", text from other scripts, an emoji, and a long text pasted in. Answer fields keep
// two characters and judge what does not read as a whole number wrong; digital-to-analog
// fields take nothing; the timer field keeps three characters and puts back the text saved
// at the last click for anything that is not a whole number.
#include "WindowFixture.h"

#include <QClipboard>

using namespace WindowFixture;

namespace {
enum Field { Hour, Minute, Second };

// The task of every answer-field test: 3:00:00, so an empty minute or second field is right.
QList<int> threeOClock()
{
    return drawsFor({"MinutenAan"}, {{3, 0, 0}});
}

EditField *answerField(const TForm1 &f, int field)
{
    return f.antwoordVelden().at(field);
}

// One key per character, as a keyboard or an input method sends it: an emoji arrives whole.
void typeText(QWidget *w, const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            QTest::keyClick(w, char(c));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
}

void paste(QWidget *w, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

void putIn(QWidget *w, const QString &text, bool byPaste)
{
    if (byPaste)
        paste(w, text);
    else
        typeText(w, text);
}

// Clicking into a field empties it, so the learner's input is all it holds.
void answerWith(TForm1 &f, int field, const QString &text, bool byPaste)
{
    click(answerField(f, field));
    putIn(answerField(f, field), text, byPaste);
}

struct Input
{
    const char *name;
    QString text;
    bool paste;
};
}

class TestBadInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void typedAnswer_data();
    void typedAnswer();
    void digitalFieldsTakeNothing_data();
    void digitalFieldsTakeNothing();
    void timerField_data();
    void timerField();

private:
    std::unique_ptr<Window> m_form;
    std::unique_ptr<Window> m_window;
};

void TestBadInput::init()
{
    QGuiApplication::clipboard()->clear();
}

void TestBadInput::cleanup()
{
    m_form.reset();
    m_window.reset();
}

void TestBadInput::typedAnswer_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("byPaste");
    QTest::addColumn<QString>("held");  // the field's text after the input
    QTest::addColumn<QString>("judged"); // its text once checked
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("thenPasted"); // pasted after the input
    const struct { const char *name; int field; const char *input; bool paste; const char *held; const char *judged; bool right;
                   const char *thenPasted = ""; } rows[] = {
        {"hour_letters", Hour, "ab", false, "ab", "ab", false},
        {"hour_digit_then_letter", Hour, "3a", false, "3a", "3a", false},
        {"hour_minus_alone", Hour, "-", false, "-", "-", false},
        {"hour_plus_alone", Hour, "+", false, "+", "+", false},
        {"hour_blank_alone", Hour, " ", false, " ", " ", false},
        {"hour_blank_before_digit_reads", Hour, " 3", false, " 3", " 3", true},
        {"hour_plus_before_digit_reads", Hour, "+3", false, "+3", "+3", true},
        {"hour_leading_zero_reads", Hour, "03", false, "03", "03", true},
        {"hour_empty_counts_as_zero", Hour, "", false, "", "0", false},
        {"hour_zero_zero_is_zero", Hour, "00", false, "00", "00", false},
        {"hour_minus_zero_is_zero", Hour, "-0", false, "-0", "-0", false},
        {"hour_arabic_indic_three", Hour, "\u0663", false, "\u0663", "\u0663", false},
        {"hour_chinese_five", Hour, "\u4e94", false, "\u4e94", "\u4e94", false},
        {"hour_cyrillic_letter", Hour, "\u0436", false, "\u0436", "\u0436", false},
        {"hour_emoji_fills_field", Hour, "\U0001F552", false, "\U0001F552", "\U0001F552", false},
        {"hour_emoji_after_digit_refused", Hour, "3\U0001F552", false, "3", "3", true},
        {"hour_paste_cut_to_two", Hour, "12345", true, "12", "12", false},
        {"hour_paste_time_cut_to_hour", Hour, "03:00", true, "03", "03", true},
        {"hour_paste_words_cut", Hour, "3 uur", true, "3 ", "3 ", true},
        {"hour_paste_into_full_field_changes_nothing", Hour, "12", false, "12", "12", false, "34"},
        {"hour_paste_after_digit_keeps_what_fits", Hour, "1", false, "13", "13", false, "3456"},
        {"minute_zero_zero_right", Minute, "00", false, "00", "00", true},
        {"minute_minus_zero_right", Minute, "-0", false, "-0", "-0", true},
        {"minute_empty_counts_as_zero", Minute, "", false, "", "0", true},
        {"minute_blank_alone", Minute, " ", false, " ", " ", false},
        {"minute_letter_after_zero", Minute, "0a", false, "0a", "0a", false},
        {"minute_minus_alone", Minute, "-", false, "-", "-", false},
        {"minute_arabic_indic_zero", Minute, "\u0660", false, "\u0660", "\u0660", false},
        {"minute_emoji", Minute, "\U0001F552", false, "\U0001F552", "\U0001F552", false},
        {"minute_paste_zeros_cut", Minute, "000000", true, "00", "00", true},
        {"second_zero_zero_right", Second, "00", false, "00", "00", true},
        {"second_minus_zero_right", Second, "-0", false, "-0", "-0", true},
        {"second_plus_alone", Second, "+", false, "+", "+", false},
        {"second_chinese_five", Second, "\u4e94", false, "\u4e94", "\u4e94", false},
        {"second_emoji", Second, "\U0001F552", false, "\U0001F552", "\U0001F552", false},
        {"second_paste_words_cut", Second, "0 seconden", true, "0 ", "0 ", true},
    };
    for (const auto &r : rows)
        QTest::addRow("%s", r.name) << r.field << QString::fromUtf8(r.input) << r.paste << QString::fromUtf8(r.held)
                                    << QString::fromUtf8(r.judged) << r.right << QString::fromUtf8(r.thenPasted);
}

// Analog to digital, task 3:00:00: the other fields hold the right answer ("3", empty, empty).
void TestBadInput::typedAnswer()
{
    QFETCH(int, field);
    QFETCH(QString, input);
    QFETCH(bool, byPaste);
    QFETCH(QString, held);
    QFETCH(QString, judged);
    QFETCH(bool, right);
    QFETCH(QString, thenPasted);
    m_form = std::make_unique<Window>(threeOClock());
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, AnaloogNaarDigitaal, {"MinutenAan", "Notitie3", "VraagtekenAan"});
    QCOMPARE(QList<int>({f.oefenToestand().OpgaveUur, f.oefenToestand().OpgaveMin, f.oefenToestand().OpgaveSec}), QList<int>({3, 0, 0}));
    if (field != Hour)
        answerWith(f, Hour, QStringLiteral("3"), false);

    answerWith(f, field, input, byPaste);
    if (!thenPasted.isEmpty())
        paste(answerField(f, field), thenPasted);
    QCOMPARE(answerField(f, field)->text(), held);

    QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
    QCOMPARE(answerField(f, field)->text(), judged);
    QCOMPARE(backgroundOf(answerField(f, field)), right ? Green : Red);
    const int expected = field == Hour ? 3 : 0;
    QCOMPARE(f.controles().at(field)->text(), right ? QString() : QString::number(expected));
    QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    QVERIFY(f.controles().at(field)->text().isEmpty());

    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(f.Label8->text(), QStringLiteral("1"));
}

void TestBadInput::digitalFieldsTakeNothing_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("byPaste");
    const Input inputs[] = {{"letters", QStringLiteral("ab"), false}, {"minus_alone", QStringLiteral("-"), false},
                            {"digits", QStringLiteral("45"), false}, {"emoji", QStringLiteral("\U0001F552"), false},
                            {"paste_overlong", QStringLiteral("12345"), true}};
    const char *const names[] = {"hour", "minute", "second"};
    for (int field : {Hour, Minute, Second})
        for (const Input &in : inputs)
            QTest::addRow("%s_%s", names[field], in.name) << field << in.text << in.paste;
}

// Digital to analog: the field shows the task and cannot be typed in; clicking it empties
// it, and the check still judges the hands against the task.
void TestBadInput::digitalFieldsTakeNothing()
{
    QFETCH(int, field);
    QFETCH(QString, input);
    QFETCH(bool, byPaste);
    m_form = std::make_unique<Window>(threeOClock());
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    startExercise(f, DigitaalNaarAnaloog, {"MinutenAan", "Notitie3"});

    answerWith(f, field, input, byPaste);

    QCOMPARE(answerField(f, field)->text(), QString());
    QCOMPARE(QList<int>({f.oefenToestand().OpgaveUur, f.oefenToestand().OpgaveMin, f.oefenToestand().OpgaveSec}), QList<int>({3, 0, 0}));
    QVERIFY(setHand(f, f.UurWijzerKnop, 15));
    QVERIFY(setHand(f, f.MinutenWijzerKnop, 0));
    QVERIFY(setHand(f, f.SecondenWijzerKnop, 0));
    click(f.ADOkKnop);
    QCOMPARE(f.Label6->text(), QStringLiteral("1"));
    QCOMPARE(f.Label8->text(), QStringLiteral("1"));
}

void TestBadInput::timerField_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("byPaste");
    QTest::addColumn<QString>("kept"); // the field's text once left
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("startShown");
    // Before the input the field holds "7"; START shows in Idle and in the run that Enter
    // starts from the choice panel, not in the choice panel reached by "Instellingen".
    const struct { const char *name; Stage stage; bool startBefore; } stages[] = {
        {"idle", Stage::Idle, true}, {"choosing", Stage::Choosing, false}, {"running", Stage::Running, true}};
    const struct { Input in; const char *kept; bool whole; bool positive; } rows[] = {
        {{"letters", QStringLiteral("abc"), false}, "7", false, false},
        {{"minus_alone", QStringLiteral("-"), false}, "7", false, false},
        {{"plus_alone", QStringLiteral("+"), false}, "7", false, false},
        {{"blanks_only", QStringLiteral("   "), false}, "7", false, false},
        {{"blanks_around_number", QStringLiteral(" 5 "), false}, "5", true, true},
        {{"zero_zero", QStringLiteral("00"), false}, "00", true, false},
        {{"minus_zero", QStringLiteral("-0"), false}, "-0", true, false},
        {{"arabic_indic_three", QStringLiteral("\u0663"), false}, "7", false, false},
        {{"chinese_five", QStringLiteral("\u4e94"), false}, "7", false, false},
        {{"cyrillic_letter", QStringLiteral("\u0436"), false}, "7", false, false},
        {{"emoji", QStringLiteral("\U0001F552"), false}, "7", false, false},
        {{"emoji_after_digits_refused", QStringLiteral("12\U0001F552"), false}, "12", true, true},
        {{"paste_cut_to_three", QStringLiteral("12345"), true}, "123", true, true},
        {{"paste_words_cut", QStringLiteral("5 minuten"), true}, "7", false, false},
    };
    for (const auto &s : stages)
        for (const auto &r : rows)
            QTest::addRow("%s_%s", s.name, r.in.name) << s.stage << r.in.text << r.in.paste << QString::fromLatin1(r.kept)
                                                       << r.whole << (r.whole ? r.positive : s.startBefore);
}

void TestBadInput::timerField()
{
    QFETCH(Stage, stage);
    QFETCH(QString, input);
    QFETCH(bool, byPaste);
    QFETCH(QString, kept);
    QFETCH(bool, whole);
    QFETCH(bool, startShown);
    m_window = std::make_unique<Window>();
    QVERIFY(showActive(m_window->form));
    TForm1 &f = m_window->form;
    if (stage == Stage::Choosing) {
        // One right answer, then back to the choice panel: the score to keep is 1 of 1.
        reach(f, Stage::Running, QStringLiteral("7"));
        answer(f, true);
        QTest::mouseClick(f.ADKnop1, Qt::LeftButton);
    } else {
        reach(f, stage == Stage::Idle ? Stage::Idle : Stage::Choosing, QStringLiteral("7"));
    }
    const QString score = f.Label6->text() + u'/' + f.Label8->text();
    const int hourBefore = f.oefenToestand().OpgaveUur;

    QTest::mouseClick(f.TimerMinuten, Qt::LeftButton);
    QTest::keyClick(f.TimerMinuten, Qt::Key_A, Qt::ControlModifier);
    putIn(f.TimerMinuten, input, byPaste);
    QVERIFY(f.TimerMinuten->text().size() <= 3);
    QTest::keyClick(f.TimerMinuten, stage == Stage::Running ? Qt::Key_Return : Qt::Key_Tab);

    QCOMPARE(f.TimerMinuten->text(), kept);
    QCOMPARE(!f.Startknop->isHidden(), startShown);
    if (stage == Stage::Running) {
        QVERIFY(!f.ADOefening->isHidden());
        return;
    }
    QCOMPARE(f.oefenToestand().OpgaveUur != hourBefore, whole);
    QCOMPARE(f.Label6->text() + u'/' + f.Label8->text(), whole ? QStringLiteral("0/0") : score);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
