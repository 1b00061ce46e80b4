// Showing and hiding the Hulpjes overlay from the settings group.
#include "app/Unit1.h"
#include "guide/Unit2.h"

void TForm1::Button1Click()
{
    // The caption names what the next click does.
    if (Form2 && Form2->isVisible()) {
        Form2->hide();
        Button1->setText(QStringLiteral("Hulpjes Aan"));
        return;
    }
    // The overlay is built when first asked for: most lessons never show it.
    if (!Form2)
        Form2 = new TForm2(this);
    Form2->FormActivate();
    Form2->show();
    Form2->activateWindow();
    Button1->setText(QStringLiteral("Hulpjes Uit"));
}
