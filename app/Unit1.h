#pragma once
// The main window. It owns the program's state and every control, named as in the
// design. Building the layout lives in app/, the clock face in clock/, hand setting in
// handset/, the exercises in exercise/ and the help strip, overlay and info panel in
// guide/: each folder defines the members of its own subsystem.
//
// The hands are drawn outside any repaint onto an off-screen picture of the client area
// (the surface); the paint event copies the changed part of it beneath the controls.
#include "app/Controls.h"
#include "clock/Clock.h"
#include "exercise/RandomSource.h"

#include <QDateTime>
#include <QImage>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>


struct Opgave;
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

    // Clock state and face geometry.
    int MiddenX = 0;
    int MiddenY = 0;
    int Straal = 0;
    std::array<ClickLabel *, 60> MinuutMerken{};
    quint16 StandUur = 0;
    quint16 StandMin = 0;
    quint16 StandSec = 0;
    QPoint UurEindpunt;
    QPoint MinEindpunt;
    QPoint SecEindpunt;
    int GezetUur = 0;
    int GezetMin = 0;
    int GezetSec = 0;
    bool KlokLoopt = false;
    int AnimUur = 0;
    int AnimMin = 0;
    int AnimSec = 0;
    int AnimDoelUur = 0;

    // Hand setting.
    int ZetModus = 0;
    int GekozenWijzer = 0;
    int AangewezenMinuut = 0;

    // Exercises.
    int OefenType = 0;
    int NotatieStijl = 0;
    int OpgaveUur = 0;
    int OpgaveMin = 0;
    int OpgaveSec = 0;
    int VorigOpgaveUur = 0;
    int BehaaldePunten = 0;
    int MaximumPunten = 0;
    bool UurFout = false;
    bool MinFout = false;
    bool SecFout = false;
    bool ToonControle = false;
    int OpgaveJuist = 0;
    int BewaardUur = 0;
    int BewaardMin = 0;
    int BewaardSec = 0;
    bool AftellenLoopt = false;
    QDateTime EindTijd;
    QString VorigeTimerTekst;

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


    // Settings and score.
    void VerbergInstellingen();
    void ToonInstellingen();
    void ToonPunten();
    void WisPunten();

    // Clock face.
    void FormCreate();
    void TekenSecondenwijzer(int s);
    void TekenMinutenwijzer(int m);
    void TekenUurwijzer(int h);
    void MarkeerMerk(unsigned i, quint8 aan);
    void ToonTijd(bool metWijzers);
    void Timer2Timer();
    void Timer3Timer();
    void CijfersClick();
    void Button2Click();
    void TwaalfUrenClick();
    void SecondenAanClick();
    void WijzerCorrectieClick();
    void VerbergMinuten();
    void ToonMinuten();

    // Hand setting.
    void UurWijzerKnopMouseDown();
    void MinutenWijzerKnopMouseDown();
    void SecondenWijzerKnopMouseDown();
    void MinuutMerkMouseMove(int i);
    void M0Click();
    void RichtGekozenWijzer();

    // Exercises.
    void DigitaalAnaloogClick();
    void AnaloogDigitaalClick();
    void KeuzePaneelOkKnopClick();
    void ADKnop1Click();
    void ADStopKnopClick();
    void NieuweOpgave();
    void PlaatsVeldjes1();
    void PlaatsVeldjesVoorNotatie();
    void ZetVeldenSoort1();
    void ZetVeldenSoort2();
    void ZetInvoerModus(int soort);
    bool UurInvoerVeldKeyPress();
    bool MinInvoerVeldKeyPress();
    bool SecInvoerVeldKeyPress();
    void ADOkKnopMouseDown();
    void ControleerAntwoord();
    void ADOkKnopClick();
    void ADControleKnopMouseDown();
    void ADControleKnopMouseUp();
    void VraagtekenAanClick();

    // Timed exercise.
    void TimerMinutenClick();
    void TimerMinutenExit();
    bool TimerMinutenKeyPress();
    void StartknopClick();
    void Timer1Timer();
    void AftelTik();
    void OKKnop1Click();

    // Enter belongs to the default button while one is shown.
    bool standaardKnopZichtbaar() const;

    // Help strip, overlay, info panel and quit.
    void HelpMouseMove(const QObject *control);
    void Button1Click();
    void Image1Click();
    void OKKnopClick();
    void Button3Click();
    void Button4Click();
    void Image4Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
    void geefToegankelijkeNamen();

    void controleerGetypt(const Opgave &opgave);
    void controleerWijzers(const Opgave &opgave);
    std::optional<qint32> leesTimerMinuten();
    void ToonUitslag();

    // Drawing on the surface, outside any repaint.
    void tekenLijn(const QPoint &eind, const QColor &kleur, int breedte);
    QColor wijzerKleur(int wijzer, bool fout, bool &knopZichtbaar) const;

    std::shared_ptr<Clock> m_clock;
    std::shared_ptr<RandomSource> m_random;
    QImage m_surface;
    bool m_veldTipsAan = true;
    QDateTime m_vorigeAftelMeting; // the clock's reading at the countdown's last look
};
