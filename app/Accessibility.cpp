// Names a screen reader announces: a control's own text, which the toolkit reads live, or
// its tooltip where the text says nothing (pictures, knobs, fields, the minute dots).
#include "app/Unit1.h"

namespace {
QString zichtbareTekst(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *knop = qobject_cast<const QAbstractButton *>(w))
        return knop->text();
    if (const auto *groep = qobject_cast<const QGroupBox *>(w))
        return groep->title();
    if (const auto *paneel = qobject_cast<const BevelPanel *>(w))
        return paneel->caption();
    return {};
}

bool zegtIets(const QString &tekst)
{
    return tekst.trimmed().size() > 1 || (tekst.size() == 1 && tekst.at(0).isLetterOrNumber());
}
}

void TForm1::geefToegankelijkeNamen()
{
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || !w->accessibleName().isEmpty())
            continue;
        if (!zegtIets(zichtbareTekst(w)))
            w->setAccessibleName(w->toolTip());
    }
}
