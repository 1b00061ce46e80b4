// Window creation: timers, face geometry, the marks on their circle, the live-clock state.
#include "app/Unit1.h"
#include "clock/FaceGeometry.h"

namespace {
constexpr int KlokInterval = 1000;
constexpr int AnimatieInterval = 15;
}

void TForm1::FormCreate()
{
    WisPunten();
    m_random->reseed();
    Timer1->setInterval(KlokInterval);
    Timer2->setInterval(KlokInterval);
    Timer3->setInterval(AnimatieInterval);

    const FaceGeometry g = geometryFromOuterSize(ClientWidth + NominaalKaderBreedte, ClientHeight + NominaalKaderHoogte);
    MiddenX = g.middenX;
    MiddenY = g.middenY;
    Straal = g.straal;
    SecEindpunt = QPoint(MiddenX, MiddenY - (Straal - EersteSeconden));
    MinEindpunt = QPoint(MiddenX, MiddenY - (Straal - EersteMinuten));
    UurEindpunt = QPoint(MiddenX, MiddenY - (Straal - EersteUren));

    KlokLoopt = true;
    Timer2->start();
    VorigOpgaveUur = 0;
    Panel8->hide();
    AnaloogDigitaal->show();
    DigitaalAnaloog->show();

    std::array<QString, AantalMerken> captions;
    for (int i = 0; i < AantalMerken; ++i)
        captions[i] = MinuutMerken[i]->text();
    const auto plaatsen = placeMarks(g, captions);
    for (int i = 0; i < AantalMerken; ++i)
        MinuutMerken[i]->move(plaatsen[i]);
    ToonInstellingen();
}
