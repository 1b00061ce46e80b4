// Showing and hiding the Hulpjes overlay from the settings group.
#include "app/Unit1.h"
#include "guide/Unit2.h"

namespace {
// The caption names what the next click does.
QString knopTekst(bool overlayZichtbaar)
{
    return overlayZichtbaar ? QStringLiteral("Hulpjes Uit") : QStringLiteral("Hulpjes Aan");
}
}

void TForm1::Button1Click()
{
    if (Form2 && Form2->isVisible()) {
        Form2->hide();
        Button1->setText(knopTekst(false));
        return;
    }
    // The overlay is built when first asked for: most lessons never show it. However it is
    // closed, the button says so.
    if (!Form2) {
        Form2 = new TForm2(this);
        connect(Form2, &TForm2::gesloten, this, [this] { Button1->setText(knopTekst(false)); });
    }
    Form2->FormActivate();
    Form2->show();
    Button1->setText(knopTekst(true));
}
