// The face options of the settings group, used by clicking them: numerals, minute marks,
// the hour hand's minute correction, the seconds hand and the 12/24-hour choice.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {

QStringList digits()
{
    return {"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
}

QStringList rings()
{
    return QStringList(12, QStringLiteral("O"));
}

QStringList roman()
{
    return {"XII", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI"};
}

QStringList hourMarkCaptions(const TForm1 &form)
{
    QStringList captions;
    for (int minute = 0; minute < 60; minute += 5)
        captions.append(form.MinuutMerken[minute]->text());
    return captions;
}

} // namespace

class TestFaceOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void numerals_data();
    void numerals();
    void minuteMarks_data();
    void minuteMarks();
    void hourHandCorrection_data();
    void hourHandCorrection();
    void secondsHandOffRemovesItAtOnce();
    void secondsHandOnAgainShowsTaskSecond_data();
    void secondsHandOnAgainShowsTaskSecond();
    void dialChoiceResetsAnswerFields_data();
    void dialChoiceResetsAnswerFields();

private:
    TForm1 &form() { return m_window->form; }
    QWidget *control(const QString &name) { return form().findChild<QWidget *>(name); }

    std::unique_ptr<Window> m_window;
};

void TestFaceOptions::init()
{
    m_window = std::make_unique<Window>();
    m_window->clock->set(at(3, 30, 45));
}

void TestFaceOptions::cleanup()
{
    m_window.reset();
}

void TestFaceOptions::numerals_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("captions");

    QTest::addRow("digits_at_start") << QStringList() << digits();
    QTest::addRow("no_numerals") << QStringList{"Punten"} << rings();
    QTest::addRow("roman") << QStringList{"Romeins"} << roman();
    QTest::addRow("no_numerals_after_roman") << QStringList{"Romeins", "Punten"} << rings();
    QTest::addRow("digits_again") << QStringList{"Romeins", "Punten", "Cijfers"} << digits();
    QTest::addRow("roman_chosen_twice") << QStringList{"Romeins", "Romeins"} << roman();
}

void TestFaceOptions::numerals()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, captions);

    for (const QString &name : clicks)
        click(control(name));

    QCOMPARE(hourMarkCaptions(form()), captions);
    for (int minute = 1; minute < 60; ++minute)
        if (minute % 5 != 0)
            QCOMPARE(form().MinuutMerken[minute]->text(), QStringLiteral("*"));
}

void TestFaceOptions::minuteMarks_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("minutesShown");
    QTest::addColumn<QString>("caption");

    QTest::addRow("at_start") << 0 << true << "Minuten onzichtbaar";
    QTest::addRow("one_click_hides") << 1 << false << "Minuten zichtbaar";
    QTest::addRow("two_clicks_restore") << 2 << true << "Minuten onzichtbaar";
    QTest::addRow("three_clicks_hide_again") << 3 << false << "Minuten zichtbaar";
}

void TestFaceOptions::minuteMarks()
{
    QFETCH(int, clicks);
    QFETCH(bool, minutesShown);
    QFETCH(QString, caption);

    for (int i = 0; i < clicks; ++i)
        click(form().Button2);

    QCOMPARE(form().Button2->text(), caption);
    for (int minute = 0; minute < 60; ++minute) {
        const bool hourMark = minute % 5 == 0;
        QVERIFY2(form().MinuutMerken[minute]->isHidden() == (!hourMark && !minutesShown),
                 qPrintable(QStringLiteral("M%1").arg(minute)));
    }
}

void TestFaceOptions::hourHandCorrection_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QPoint>("halfWay");
    QTest::addColumn<QPoint>("gone");

    // 3:30 corrected points half-way to 4 (105 degrees); uncorrected exactly at 3.
    QTest::addRow("cleared_points_at_three") << 1 << QPoint(320, 289) << QPoint(260, 289) << QPoint(257, 304);
    QTest::addRow("ticked_again_half_way") << 2 << QPoint(315, 319) << QPoint(257, 304) << QPoint(260, 289);
}

void TestFaceOptions::hourHandCorrection()
{
    QFETCH(int, clicks);
    QFETCH(QPoint, end);
    QFETCH(QPoint, halfWay);
    QFETCH(QPoint, gone);

    form().Timer2Timer();
    QCOMPARE(form().klokToestand().UurEindpunt, QPoint(315, 319));
    for (int i = 0; i < clicks; ++i)
        click(form().WijzerCorrectie);

    QCOMPARE(form().WijzerCorrectie->isChecked(), clicks % 2 == 0);
    QCOMPARE(form().klokToestand().UurEindpunt, end);
    QCOMPARE(pixelAt(form(), end), Black);
    QCOMPARE(pixelAt(form(), halfWay), Black);
    QCOMPARE(pixelAt(form(), gone), Background);
    QCOMPARE(form().klokToestand().StandUur, quint16(3));
    QCOMPARE(form().klokToestand().StandMin, quint16(30));
}

void TestFaceOptions::secondsHandOffRemovesItAtOnce()
{
    form().Timer2Timer();
    QCOMPARE(pixelAt(form(), {MiddenX - 83, MiddenY}), Black);

    click(form().SecondenAan);

    QVERIFY(!form().SecondenAan->isChecked());
    QCOMPARE(pixelAt(form(), {MiddenX - SecondsLength, MiddenY}), Background);
    QCOMPARE(pixelAt(form(), {MiddenX - 83, MiddenY}), Background);
    // The minute hand (down) and the hour hand stay.
    QCOMPARE(pixelAt(form(), {MiddenX, MiddenY + 70}), Black);
    QCOMPARE(pixelAt(form(), QPoint(257, 304)), Black);
}

void TestFaceOptions::secondsHandOnAgainShowsTaskSecond_data()
{
    QTest::addColumn<int>("opgaveSec");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QPoint>("halfWay");

    QTest::addRow("no_task_yet_second_0") << 0 << QPoint(201, 123) << QPoint(201, 206);
    QTest::addRow("task_second_15") << 15 << QPoint(367, 289) << QPoint(284, 289);
}

void TestFaceOptions::secondsHandOnAgainShowsTaskSecond()
{
    QFETCH(int, opgaveSec);
    QFETCH(QPoint, end);
    QFETCH(QPoint, halfWay);

    form().Timer2Timer();
    TForm1Probe(form()).oefening().OpgaveSec = opgaveSec;
    click(form().SecondenAan);
    click(form().SecondenAan);

    QVERIFY(form().SecondenAan->isChecked());
    QCOMPARE(pixelAt(form(), end), Black);
    QCOMPARE(pixelAt(form(), halfWay), Black);
    QCOMPARE(int(form().klokToestand().StandSec), opgaveSec);
    QCOMPARE(form().klokToestand().GezetSec, opgaveSec);
    QCOMPARE(pixelAt(form(), {MiddenX - 83, MiddenY}), Background);
}

void TestFaceOptions::dialChoiceResetsAnswerFields_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addRow("24_hours") << "VierentwintigUren";
    QTest::addRow("12_hours_again") << "TwaalfUren";
}

void TestFaceOptions::dialChoiceResetsAnswerFields()
{
    QFETCH(QString, choice);

    const QList<EditField *> fields = form().antwoordVelden();
    for (EditField *field : fields) {
        field->setText(QStringLiteral("12"));
        field->setColors(QColor(0, 0, 255), Yellow);
    }
    click(control(choice));

    for (const EditField *field : fields) {
        QVERIFY(field->text().isEmpty());
        QCOMPARE(field->palette().color(QPalette::Base), QColor(255, 255, 255));
    }
}

QTEST_MAIN(TestFaceOptions)
#include "tst_faceoptions.moc"
