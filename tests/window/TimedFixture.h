#pragma once
// Shared set-up of the window tests that need the keyboard and the pointer: the main
// window shown and active on a clock standing at 8 December 2026, 23:58:00, two minutes
// before midnight, and the gestures of a learner: replacing a field's text, leaving the
// timer field, pressing a key where the focus is and starting an exercise.
#include "FormFixture.h"

#include <QApplication>

namespace TimedFixture {

inline QDateTime startMoment()
{
    return QDateTime(QDate(2026, 12, 8), QTime(23, 58, 0));
}

// The window on the screen and active, so the focus moves as it does for a learner.
struct ShownWindow : FormFixture::Window
{
    ShownWindow() : Window(startMoment()) { form.show(); }
    bool activate() { return QTest::qWaitForWindowActive(&form); }
};

// Selects the field's whole text and types over it.
inline void replaceText(QLineEdit *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Clicks into the field first, as a learner does before typing.
inline void typeInto(QLineEdit *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    replaceText(field, text);
}

// A key goes to the control with the keyboard focus, as on a real keyboard.
inline void pressKey(QWidget &window, Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && window.isAncestorOf(focus) ? focus : &window, key);
}

// Tab takes the focus on to the next control, so the timer field is left.
inline void leaveTimerField(TForm1 &form)
{
    QTest::keyClick(form.TimerMinuten, Qt::Key_Tab);
}

inline void enterMinutes(TForm1 &form, const QString &text)
{
    typeInto(form.TimerMinuten, text);
    leaveTimerField(form);
}

enum class Stage { Idle, Choosing, Running };

// Minutes entered in Idle at start-up, in the choice panel of the analog-to-digital
// exercise, or there and then OK: its run in whole hours.
inline void reach(TForm1 &form, Stage stage, const QString &minutes)
{
    if (stage != Stage::Idle)
        QTest::mouseClick(form.AnaloogDigitaal, Qt::LeftButton);
    enterMinutes(form, minutes);
    if (stage == Stage::Running)
        QTest::mouseClick(form.KeuzePaneelOkKnop, Qt::LeftButton);
}

// Types the task's hour, or an hour no task has, and presses OK; the learner types 12 for hour 0.
inline void answer(TForm1 &form, bool right)
{
    const int hour = form.oefening.OpgaveUur == 0 ? 12 : form.oefening.OpgaveUur;
    typeInto(form.UurInvoerVeld, right ? QString::number(hour) : QStringLiteral("99"));
    QTest::mouseClick(form.ADOkKnop, Qt::LeftButton);
}

// A starter, then a notation in the choice panel, then its OK.
inline void startExercise(TForm1 &form, QWidget *starter, QWidget *notation)
{
    QTest::mouseClick(starter, Qt::LeftButton);
    QTest::mouseClick(notation, Qt::LeftButton);
    QTest::mouseClick(form.KeuzePaneelOkKnop, Qt::LeftButton);
}

} // namespace TimedFixture

Q_DECLARE_METATYPE(TimedFixture::Stage)
