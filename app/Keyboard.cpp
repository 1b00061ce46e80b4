// Every action of the mouse has a key, for children who cannot use a mouse or a screen
// reader's user. Alt with a letter presses a control as a click would; F1 opens the
// information panel, F2 held stands for "?" held and the hands have letters and arrows of
// their own. Typing into a field is never taken, and Tab and Escape keep their meaning.
#include "app/Unit1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace {
bool typtIn()
{
    const auto *veld = qobject_cast<const QLineEdit *>(QApplication::focusWidget());
    return veld && !veld->isReadOnly();
}

// The corners and the middle of a control: a click on any of them counts.
QList<QPoint> klikPunten(const QWidget *control)
{
    const QRect r = control->rect().adjusted(1, 1, -1, -1);
    return {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
}
}

void TForm1::verbindToetsen()
{
    struct Sneltoets
    {
        QKeySequence toets;
        QWidget *control;
        QWidget *focusNa; // where a keyboard user goes on, or nullptr to stay
    };
    const Sneltoets sneltoetsen[] = {
        {QKeySequence(Qt::ALT | Qt::Key_D), DigitaalAnaloog, UrenAan},
        {QKeySequence(Qt::ALT | Qt::Key_A), AnaloogDigitaal, UrenAan},
        {QKeySequence(Qt::ALT | Qt::Key_T), KeuzePaneelTerugKnop, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_O), ADStopKnop, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_I), ADKnop1, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_S), Startknop, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_M), TimerMinuten, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_H), Button1, nullptr},
        {QKeySequence(Qt::ALT | Qt::Key_Q), Image4, nullptr},
        {QKeySequence(Qt::Key_F1), Image1, OKKnop},
    };
    for (const Sneltoets &s : sneltoetsen) {
        connect(new QShortcut(s.toets, this), &QShortcut::activated, this, [this, s] {
            if (!klikBereikt(s.control))
                return;
            QWidget *focusVoor = QApplication::focusWidget();
            drukOp(s.control);
            if (s.control == Image1)
                m_focusVoorInfo = focusVoor;
            if (s.focusNa)
                s.focusNa->setFocus(Qt::ShortcutFocusReason);
        });
    }
}

bool TForm1::klikBereikt(const QWidget *control) const
{
    if (!control->isVisible() || !control->isEnabled())
        return false;
    const QList<QPoint> punten = klikPunten(control);
    return std::any_of(punten.cbegin(), punten.cend(), [this, control](QPoint p) {
        const QWidget *geraakt = childAt(control->mapTo(this, p));
        return geraakt == control || control->isAncestorOf(geraakt);
    });
}

void TForm1::drukOp(QWidget *control)
{
    if (auto *knop = qobject_cast<QAbstractButton *>(control))
        knop->click();
    else if (auto *label = qobject_cast<ClickLabel *>(control))
        Q_EMIT label->clicked();
    else if (auto *veld = qobject_cast<EditField *>(control))
        Q_EMIT veld->clicked();
}

// F2 goes down and up as the mouse button on "?" does; a held key's repeats are no new press.
bool TForm1::toetsGebruikt(const QKeyEvent &toets)
{
    if (toets.key() == Qt::Key_F2) {
        if (toets.isAutoRepeat())
            return true;
        const bool neer = toets.type() == QEvent::KeyPress;
        if (neer == ADControleKnop->isDown() || (neer && !klikBereikt(ADControleKnop)))
            return true;
        ADControleKnop->setDown(neer);
        if (neer)
            Q_EMIT ADControleKnop->down();
        else
            Q_EMIT ADControleKnop->up();
        return true;
    }
    return toets.type() == QEvent::KeyPress && !typtIn() && WijzerToets(toets);
}

// While the information panel shows, Tab goes round its own buttons only, OK included.
bool TForm1::focusNextPrevChild(bool next)
{
    if (Info->isHidden())
        return QWidget::focusNextPrevChild(next);
    QList<QWidget *> kring;
    for (QWidget *w : Info->findChildren<QWidget *>())
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled())
            kring.append(w);
    if (kring.isEmpty())
        return false;
    const qsizetype hier = kring.indexOf(QApplication::focusWidget());
    const qsizetype verder = hier < 0 ? (next ? 0 : kring.size() - 1) : (hier + (next ? 1 : -1) + kring.size()) % kring.size();
    kring.at(verder)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
