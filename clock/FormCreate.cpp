// Window creation: timers, face geometry, the marks on their circle, and the Idle state shown.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/RandomSource.h"

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
    klok.MiddenX = g.middenX;
    klok.MiddenY = g.middenY;
    klok.Straal = g.straal;
    klok.SecEindpunt = QPoint(klok.MiddenX, klok.MiddenY - (klok.Straal - EersteSeconden));
    klok.MinEindpunt = QPoint(klok.MiddenX, klok.MiddenY - (klok.Straal - EersteMinuten));
    klok.UurEindpunt = QPoint(klok.MiddenX, klok.MiddenY - (klok.Straal - EersteUren));

    VergeetVorigeOpgave();

    QStringList captions;
    for (const ClickLabel *merk : MinuutMerken)
        captions << merk->text();
    const auto plaatsen = placeMarks(g, captions);
    for (int i = 0; i < AantalMerken; ++i)
        MinuutMerken[i]->move(plaatsen[i]);
    // Idle: the live clock runs and moves the hands, both starters and every setting show.
    toonToestand();
}
