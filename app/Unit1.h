#pragma once
// The main window. It owns the program's state and every control, named as in the
// design. Building the layout lives in app/, the clock face in clock/, hand setting in
// handset/, the exercises in exercise/ and the help strip, overlay and info panel in
// guide/: each folder defines the members of its own subsystem.
//
// The hands are drawn outside any repaint onto an off-screen picture of the client area
// (the surface); the paint event copies the changed part of it beneath the controls.
#include "app/Controls.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <memory>
#include <optional>


// The core's types, known here by name only: each window file includes the ones it uses, so
// a change in one subsystem's core rebuilds that subsystem, not the whole window.
class Clock;
class RandomSource;
struct KlokToestand;
struct WijzerZetten;
struct Run;
struct Oefening;
struct AftelToestand;
struct Wijzerstand;
struct WijzerStand;
struct Opgave;
enum class RunEvent;
enum class Niveau;
enum Notatie : int;
class TForm2;

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    TForm1();
    TForm1(std::shared_ptr<Clock> clock, std::shared_ptr<RandomSource> random);
    ~TForm1() override;

    static constexpr int ClientWidth = 799;
    static constexpr int ClientHeight = 620;

    const QImage &surface() const { return m_surface; }

    // The program's state, in the plain types of the core: read-only from outside. Each
    // subsystem changes its own part through its operations.
    const KlokToestand &klokToestand() const { return klok; }
    const WijzerZetten &zetToestand() const { return zetten; }
    const Run &runToestand() const { return run; }
    const Oefening &oefenToestand() const { return oefening; }
    const AftelToestand &aftelToestand() const { return aftellen; }

private:
    // The tests' one way to put the state where a case needs it.
    friend class TForm1Probe;
    struct Toestand;
    std::unique_ptr<Toestand> m_toestand;
    KlokToestand &klok;
    WijzerZetten &zetten;
    Run &run;
    Oefening &oefening;
    AftelToestand &aftellen;

public:
    QList<ClickLabel *> MinuutMerken;

    // Controls on the window.
    ClickLabel *Image4 = nullptr;
    ShapeKnob *UurWijzerKnop = nullptr;
    ShapeKnob *MinutenWijzerKnop = nullptr;
    ShapeKnob *SecondenWijzerKnop = nullptr;
    QGroupBox *Instellingen = nullptr;
    BevelPanel *Panel2 = nullptr;
    QTextEdit *Help = nullptr;
    QPushButton *Startknop = nullptr;
    QPushButton *OKKnop1 = nullptr;
    BevelPanel *ADOefening = nullptr;
    BevelPanel *KeuzePaneel = nullptr;
    ClickLabel *DigitaalAnaloog = nullptr;
    ClickLabel *AnaloogDigitaal = nullptr;
    ClickLabel *DigiKlok = nullptr;
    BevelPanel *Panel3 = nullptr;
    BevelPanel *Info = nullptr;
    BevelPanel *Panel8 = nullptr;

    // Settings group.
    ClickLabel *Image1 = nullptr;
    QLabel *Label4 = nullptr;
    EditField *TimerMinuten = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QRadioButton *TwaalfUren = nullptr;
    QRadioButton *VierentwintigUren = nullptr;
    BevelPanel *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QCheckBox *SecondenAan = nullptr;
    QCheckBox *WijzerCorrectie = nullptr;
    QCheckBox *VraagtekenAan = nullptr;
    QPushButton *ADKnop1 = nullptr;
    QRadioButton *Cijfers = nullptr;
    QRadioButton *Punten = nullptr;
    QRadioButton *Romeins = nullptr;

    // Score panel.
    QLabel *Label41 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label40 = nullptr;

    // Exercise panel and its answer area.
    QPlainTextEdit *Memo1 = nullptr;
    SpeedButton *ADControleKnop = nullptr;
    BevelPanel *Panel5 = nullptr;
    QPushButton *ADOkKnop = nullptr;
    QPushButton *ADStopKnop = nullptr;
    QLabel *VoorMiddagNaMiddag = nullptr;
    EditField *UurInvoerVeld = nullptr;
    EditField *MinInvoerVeld = nullptr;
    EditField *SecInvoerVeld = nullptr;
    QLabel *UurNaam = nullptr;
    QLabel *MinuutNaam = nullptr;
    QLabel *SecNaam = nullptr;
    QLabel *Uurcontrol = nullptr;
    QLabel *Minuutcontrol = nullptr;
    QLabel *Secondcontrol = nullptr;

    // Choice panel.
    BevelPanel *Panel4 = nullptr;
    BevelPanel *Panel7 = nullptr;
    BevelPanel *Panel6 = nullptr;
    QPushButton *KeuzePaneelTerugKnop = nullptr;
    QPushButton *KeuzePaneelOkKnop = nullptr;
    QLabel *Label10 = nullptr;
    QRadioButton *UrenAan = nullptr;
    QRadioButton *HalveUrenAan = nullptr;
    QRadioButton *KwartierenAan = nullptr;
    QRadioButton *MinutenAan = nullptr;
    QLabel *Label9 = nullptr;
    QRadioButton *Notitie1 = nullptr;
    QRadioButton *Notitie2 = nullptr;
    QRadioButton *Notitie3 = nullptr;

    // Result panel and countdown.
    QLabel *Label47 = nullptr;
    QLabel *Label48 = nullptr;
    QLabel *Label50 = nullptr;
    QLabel *Label49 = nullptr;
    QLabel *Label51 = nullptr;
    QLabel *Label52 = nullptr;
    QLabel *KlokVenster = nullptr;

    // Info panel.
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QLabel *Image2 = nullptr;
    QPushButton *OKKnop = nullptr;

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;

    TForm2 *Form2 = nullptr; // the Hulpjes overlay, built when first shown

    // Controls that come in threes, hours first, and the settings list in its order.
    QList<EditField *> antwoordVelden() const;
    QList<QLabel *> controles() const;
    QList<QLabel *> veldNamen() const;
    QList<ShapeKnob *> knoppen() const;
    // Where a hand was last drawn (the hour hand's hour, the others' minute mark), and its knob.
    int standVan(int wijzer) const;
    ShapeKnob *knopVan(int wijzer) const;
    QList<QWidget *> instellingenLijst() const;

    // The timers' handlers, which tests call in place of a tick, and the operations they
    // check on their own.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void ToonPunten();
    void TekenSecondenwijzer(int s);
    void TekenMinutenwijzer(int m);
    void TekenUurwijzer(int h);
    void MarkeerMerk(int i, quint8 aan);
    void KeuzePaneelOkKnopClick();
    void ADOkKnopClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The run as shown: every handler that moves the run goes through gebeurt, which shows
    // the new state as the core's table gives it; false when the state has no such move.
    bool gebeurt(RunEvent event);
    void toonToestand();

    // The level and notation the choice panel's radios select, read through the core's tables.
    Niveau gekozenNiveau() const;
    Notatie gekozenNotatie() const;

    // What the learner's events call, under the design's names, and the operations they share.
    // Settings and score.
    void VerbergInstellingen();
    void ToonInstellingen();
    void WisPunten();

    // Clock face.
    void FormCreate();
    // The three hands in the order they are drawn: seconds, minutes, hours.
    void tekenWijzers(const Wijzerstand &stand);
    void ToonTijd(bool metWijzers);
    void CijfersClick();
    void Button2Click();
    void TwaalfUrenClick();
    void SecondenAanClick();
    void WijzerCorrectieClick();
    void VerbergMinuten();
    void ZetKlokLoopt(bool loopt);
    void BeginAnimatie(int doelUur);
    void ToonMinuten();

    // Hand setting.
    void UurWijzerKnopMouseDown();
    void MinutenWijzerKnopMouseDown();
    void SecondenWijzerKnopMouseDown();
    void MinuutMerkMouseMove(int i);
    void M0Click();
    void RichtGekozenWijzer();
    void WijzerNaarPunt(QPoint punt, bool neerleggen);
    void WijzerKnopSlepen(const QObject *watched, const QEvent *event);
    void kiesWijzer(int wijzer);
    void ZetWijzerAlsLeerling(int wijzer, const Wijzerstand &stand);
    bool WijzerToets(const QKeyEvent &toets);
    int gekozenMerk() const; // the mark the picked-up hand points at

    // Exercises.
    void DigitaalAnaloogClick();
    void AnaloogDigitaalClick();
    void ADKnop1Click();
    void ADStopKnopClick();
    void NieuweOpgave();
    void VergeetVorigeOpgave();
    void PlaatsVeldjes1();
    void PlaatsVeldjesVoorNotatie();
    void ZetVeldenSoort1();
    void ZetVeldenSoort2();
    void ZetInvoerModus(int soort);
    bool UurInvoerVeldKeyPress();
    bool MinInvoerVeldKeyPress();
    bool SecInvoerVeldKeyPress();
    bool naarVolgendVeld(EditField *volgende);
    void ADOkKnopMouseDown();
    void ControleerAntwoord();
    void ADControleKnopMouseDown();
    void ADControleKnopMouseUp();
    void VraagtekenAanClick();

    // Timed exercise.
    void TimerMinutenClick();
    void TimerMinutenExit();
    bool TimerMinutenKeyPress();
    void StartknopClick();
    void AftelTik();
    void OKKnop1Click();

    // Enter belongs to the default button while one is shown.
    bool standaardKnopZichtbaar() const;

    // Keys for every action of the mouse. A key presses a control only where a click could
    // reach it: shown, enabled and not covered by a panel.
    void verbindToetsen();
    bool toetsGebruikt(const QKeyEvent &toets);
    bool klikBereikt(const QWidget *control) const;
    void drukOp(QWidget *control);

    // Help strip, overlay, info panel and quit.
    void HelpMouseMove(const QObject *control);
    void Button1Click();
    void Image1Click();
    void OKKnopClick();
    void Button3Click();
    void Button4Click();
    void Image4Click();

    void bouwVenster();
    void bouwKlok();
    void bouwMerken();
    void bouwInstellingen();
    void bouwGroupBox2();
    void bouwScorePaneel();
    void bouwOnderkant();
    void bouwADOefening();
    void bouwAntwoordVelden();
    void bouwKeuzePaneel();
    void bouwNiveaus();
    void bouwNotaties();
    void bouwResultaat();
    void bouwAftelklok();
    void bouwInfo();
    void bouwTimers();
    void verbind();
    void verbindWijzers();
    void verbindOefening();
    void verbindAftellen();
    static void installeerToegang();
    void geefToegankelijkeNamen();

    // What a screen reader is told: the hands as they stand, and a notification after OK,
    // "?", a new task and time-up.
    void vertelWijzers();
    void meld(const QString &tekst);
    void meldWijzer();
    QString opgaveWoorden() const;
    QString oordeelVoorlezen() const;
    QString uitslagVoorlezen() const;

    void controleerGetypt(const Opgave &opgave);
    void controleerWijzers(const Opgave &opgave);
    std::optional<qint32> leesTimerMinuten();
    void ToonUitslag();

    // Drawing on the surface, outside any repaint.
    void tekenLijn(const QPoint &eind, const QColor &kleur, int breedte);
    WijzerStand wijzerStand() const;
    void openKeuze(RunEvent kies);
    QRadioButton *radio(const char *naam) const;

    std::shared_ptr<Clock> m_clock;
    std::shared_ptr<RandomSource> m_random;
    QImage m_surface;
    bool m_veldTipsAan = true;
    QWidget *m_wijzerplaat = nullptr; // the face in words, for a screen reader only
    QWidget *m_melding = nullptr;     // the notification a screen reader reads out
    QPointer<QWidget> m_focusVoorInfo; // where the focus goes back to when F1's panel closes
};
