// Choosing, starting, interrupting and stopping an exercise. The run states show only in
// which panels are shown: Idle (both starters), Choosing (KeuzePaneel), Running (ADOefening).
#include "app/Unit1.h"
#include "exercise/Judging.h"
#include "exercise/Task.h"

namespace {
void zetTimer(QTimer *timer, bool aan)
{
    if (!aan)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

QString niveauTekst(const TForm1 &f)
{
    for (const QRadioButton *r : {f.UrenAan, f.HalveUrenAan, f.KwartierenAan, f.MinutenAan})
        if (r->isChecked())
            return r->text();
    return {};
}
}

static void openKeuze(TForm1 &f, int soort)
{
    f.OefenType = soort;
    f.DigitaalAnaloog->hide();
    f.AnaloogDigitaal->hide();
    f.Label4->show();
    f.TimerMinuten->show();
    f.KeuzePaneel->show();
    f.Timer3->stop();
    f.KlokLoopt = true;
    f.ToonTijd(true);
    for (QWidget *w : std::initializer_list<QWidget *>{f.TwaalfUren, f.VierentwintigUren, f.SecondenAan})
        w->show();
    f.ZetInvoerModus(soort);
}

void TForm1::DigitaalAnaloogClick()
{
    openKeuze(*this, 1);
}

void TForm1::AnaloogDigitaalClick()
{
    openKeuze(*this, 2);
}

void TForm1::KeuzePaneelOkKnopClick()
{
    VerbergInstellingen();
    const std::optional<qint32> minuten = LeesGetal(TimerMinuten->text());
    // A countdown started in the choice panel keeps RESET shown; START waits until RESET is used.
    Startknop->setVisible(minuten.value_or(0) > 0 && OKKnop1->isHidden());
    KeuzePaneel->hide();
    ADOefening->show();
    // Hours alone cannot show half hours or quarters.
    if (Notitie1->isChecked() && (HalveUrenAan->isChecked() || KwartierenAan->isChecked()))
        Notitie2->setChecked(true);
    NotatieStijl = Notitie1->isChecked() ? 1 : Notitie2->isChecked() ? 2 : 3;
    Memo1->setPlainText((OefenType == 2 ? QStringLiteral("Oefen: Analoog -> digitaal")
                                        : QStringLiteral("Oefen: Digitaal -> analoog"))
                        + QLatin1Char('\n') + niveauTekst(*this));
    PlaatsVeldjesVoorNotatie();
    SecInvoerVeld->clear();
    SecInvoerVeld->setEnabled(SecondenAan->isChecked());
    if (OefenType == 2) {
        ZetVeldenSoort2();
        UurInvoerVeld->setFocus();
    } else {
        ZetVeldenSoort1();
        for (ShapeKnob *k : {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop})
            k->show();
        TekenUurwijzer(StandUur);
        TekenMinutenwijzer(StandMin);
        TekenSecondenwijzer(StandSec);
    }
    KlokLoopt = false;
    ADControleKnop->setVisible(VraagtekenAan->isChecked());
    WisPunten();
    NieuweOpgave();
}

void TForm1::ADKnop1Click()
{
    ToonInstellingen();
    KeuzePaneel->show();
    ADOefening->hide();
    Startknop->hide();
    Timer3->stop();
    KlokLoopt = true;
    ToonTijd(true);
    for (QWidget *w : std::initializer_list<QWidget *>{TwaalfUren, VierentwintigUren, SecondenAan, Label4, TimerMinuten})
        w->show();
}

void TForm1::ADStopKnopClick()
{
    zetTimer(Timer2, true);
    ToonInstellingen();
    OefenType = 0;
    for (ShapeKnob *k : {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop})
        k->hide();
    TimerMinuten->setText(QStringLiteral("0"));
    TimerMinuten->hide();
    Timer1->stop();
    for (QWidget *w : std::initializer_list<QWidget *>{Label4, Startknop, ADOefening, KeuzePaneel})
        w->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{TwaalfUren, VierentwintigUren, SecondenAan})
        w->show();
    Timer3->stop();
    KlokLoopt = true;
    DigitaalAnaloog->show();
    AnaloogDigitaal->show();
    ToonTijd(true);
    ZetInvoerModus(0);
}
