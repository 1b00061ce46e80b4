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

    connect(Image1, &ClickLabel::clicked, this, &TForm1::Image1Click);
    connect(OKKnop, &QPushButton::clicked, this, &TForm1::OKKnopClick);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Image4, &ClickLabel::clicked, this, &TForm1::Image4Click);
}
