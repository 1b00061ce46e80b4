// The help strip: a pointer move over a control writes that control's explanation.
#include "app/Unit1.h"
#include "exercise/core/RunState.h"
#include "guide/core/HelpTexts.h"

void TForm1::HelpMouseMove(const QObject *control)
{
    // Inner parts of a control speak for the control: they are unnamed, or carry Qt's own
    // names ("qt_scrollarea_viewport" in the memo).
    while (control && (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_")))
        control = control->parent();
    if (!control)
        return;
    const std::optional<QString> tekst = helpTextFor(control->objectName(), run.OefenType, VierentwintigUren->isChecked());
    if (!tekst)
        return;
    // Carriage returns separate the lines of a help text.
    const QString regels = QString(*tekst).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Help->toPlainText() != regels)
        Help->setPlainText(regels);
}
