// Which handler each event of each control calls.
#include "app/Unit1.h"

void TForm1::verbind()
{
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);

    for (QRadioButton *r : {Cijfers, Punten, Romeins})
        connect(r, &QRadioButton::clicked, this, &TForm1::CijfersClick);
    for (QRadioButton *r : {TwaalfUren, VierentwintigUren})
        connect(r, &QRadioButton::clicked, this, &TForm1::TwaalfUrenClick);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(SecondenAan, &QCheckBox::clicked, this, &TForm1::SecondenAanClick);
    connect(WijzerCorrectie, &QCheckBox::clicked, this, &TForm1::WijzerCorrectieClick);

    verbindOefening();
    verbindWijzers();
    verbindAftellen();
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    connect(Image1, &ClickLabel::clicked, this, &TForm1::Image1Click);
    connect(OKKnop, &QPushButton::clicked, this, &TForm1::OKKnopClick);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Image4, &ClickLabel::clicked, this, &TForm1::Image4Click);
    verbindToetsen();
}

void TForm1::verbindWijzers()
{
    connect(UurWijzerKnop, &ShapeKnob::pressed, this, &TForm1::UurWijzerKnopMouseDown);
    connect(MinutenWijzerKnop, &ShapeKnob::pressed, this, &TForm1::MinutenWijzerKnopMouseDown);
    connect(SecondenWijzerKnop, &ShapeKnob::pressed, this, &TForm1::SecondenWijzerKnopMouseDown);
    for (int i = 0; i < int(MinuutMerken.size()); ++i) {
        connect(MinuutMerken[i], &ClickLabel::moved, this, [this, i] { MinuutMerkMouseMove(i); });
        connect(MinuutMerken[i], &ClickLabel::clicked, this, &TForm1::M0Click);
    }
}

void TForm1::verbindOefening()
{
    connect(DigitaalAnaloog, &ClickLabel::clicked, this, &TForm1::DigitaalAnaloogClick);
    connect(AnaloogDigitaal, &ClickLabel::clicked, this, &TForm1::AnaloogDigitaalClick);
    connect(KeuzePaneelOkKnop, &QPushButton::clicked, this, &TForm1::KeuzePaneelOkKnopClick);
    connect(ADKnop1, &QPushButton::clicked, this, &TForm1::ADKnop1Click);
    connect(ADStopKnop, &QPushButton::clicked, this, &TForm1::ADStopKnopClick);
    connect(KeuzePaneelTerugKnop, &QPushButton::clicked, this, &TForm1::ADStopKnopClick);
    connect(ADOkKnop, &QPushButton::pressed, this, &TForm1::ADOkKnopMouseDown);
    connect(ADOkKnop, &QPushButton::clicked, this, &TForm1::ADOkKnopClick);
    connect(ADControleKnop, &SpeedButton::down, this, &TForm1::ADControleKnopMouseDown);
    connect(ADControleKnop, &SpeedButton::up, this, &TForm1::ADControleKnopMouseUp);
    connect(VraagtekenAan, &QCheckBox::clicked, this, &TForm1::VraagtekenAanClick);
    // A field that gains the focus is emptied, in both exercises.
    for (EditField *veld : antwoordVelden())
        connect(veld, &EditField::entered, veld, &QLineEdit::clear);
    UurInvoerVeld->setEnterHandler([this] { return UurInvoerVeldKeyPress(); });
    MinInvoerVeld->setEnterHandler([this] { return MinInvoerVeldKeyPress(); });
    SecInvoerVeld->setEnterHandler([this] { return SecInvoerVeldKeyPress(); });
}

void TForm1::verbindAftellen()
{
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(TimerMinuten, &EditField::clicked, this, &TForm1::TimerMinutenClick);
    connect(TimerMinuten, &EditField::exited, this, &TForm1::TimerMinutenExit);
    TimerMinuten->setEnterHandler([this] { return TimerMinutenKeyPress(); });
    connect(Startknop, &QPushButton::clicked, this, &TForm1::StartknopClick);
    connect(OKKnop1, &QPushButton::clicked, this, &TForm1::OKKnop1Click);
}
