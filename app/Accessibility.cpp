// What a screen reader finds: every control named in Dutch with its tooltip as description,
// labels read as they stand now, the pictures that act as buttons pressable, the knobs as
// buttons that tell where their hand stands, the face in words, and what happens after OK,
// "?", a new task and time-up told through a notification.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/RunState.h"
#include "guide/core/Voorlezen.h"
#include "handset/core/HandSetState.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <cmath>

namespace {
// Pictures and texts that start something when clicked.
bool isDrukbaar(const QObject *o)
{
    static const QStringList namen = {QStringLiteral("DigitaalAnaloog"), QStringLiteral("AnaloogDigitaal"),
                                      QStringLiteral("Image4"), QStringLiteral("Image1")};
    return namen.contains(o->objectName());
}

// The knob's hand, where it stands in words and in hours round the face (0 at the top).
const char *const StandWoorden = "tikaraStandWoorden";
const char *const StandUren = "tikaraStandUren";

class KlikLabelToegang final : public QAccessibleWidget
{
public:
    explicit KlikLabelToegang(QWidget *w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        return isDrukbaar(object()) ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return isDrukbaar(object()) ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &actie) override
    {
        if (actie == pressAction() && isDrukbaar(object()))
            Q_EMIT static_cast<ClickLabel *>(widget())->clicked();
    }
};

class WijzerKnopToegang final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit WijzerKnopToegang(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return object()->property(StandWoorden).toString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actie) override
    {
        if (actie == pressAction())
            Q_EMIT static_cast<ShapeKnob *>(widget())->pressed();
    }

    QVariant currentValue() const override { return object()->property(StandUren); }

    // Set as with the mouse: the knob is pressed, and the mark nearest the value is pointed
    // at and clicked.
    void setCurrentValue(const QVariant &waarde) override
    {
        auto *knop = static_cast<ShapeKnob *>(widget());
        const long merk = (std::lround(waarde.toDouble() * MerkenPerUur) % AantalMerken + AantalMerken) % AantalMerken;
        auto *streep = knop->parentWidget()->findChild<ClickLabel *>(QStringLiteral("M%1").arg(merk));
        if (!knop->isVisible() || !streep)
            return;
        Q_EMIT knop->pressed();
        Q_EMIT streep->moved();
        Q_EMIT streep->clicked();
    }

    QVariant maximumValue() const override { return Tijd::UrenOpWijzerplaat; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1.0 / MerkenPerUur; }
};

// Nothing to see: the face's words and the notifications have no picture of their own.
class Onzichtbaar final : public QWidget
{
public:
    Onzichtbaar(QWidget *parent, const char *naam, QAccessible::Role rol) : QWidget(parent), m_rol(rol)
    {
        setObjectName(QString::fromLatin1(naam));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QAccessible::Role rol() const { return m_rol; }

private:
    QAccessible::Role m_rol;
};

class OnzichtbaarToegang final : public QAccessibleWidget
{
public:
    explicit OnzichtbaarToegang(Onzichtbaar *w) : QAccessibleWidget(w, w->rol()) {}
};

QAccessibleInterface *toegang(const QString &klasse, QObject *object)
{
    if (klasse == QLatin1String("ClickLabel"))
        return new KlikLabelToegang(static_cast<QWidget *>(object));
    if (klasse == QLatin1String("ShapeKnob"))
        return new WijzerKnopToegang(static_cast<QWidget *>(object));
    if (auto *w = dynamic_cast<Onzichtbaar *>(object))
        return new OnzichtbaarToegang(w);
    return nullptr;
}

// Controls whose text or tooltip does not say what they are.
struct EigenNaam
{
    const char *control;
    const char *naam;
};
constexpr EigenNaam EigenNamen[] = {
    {"Image4", "STOP"},
    {"Image1", "Info"},
    {"UurWijzerKnop", "Uurwijzer"},
    {"MinutenWijzerKnop", "Minutenwijzer"},
    {"SecondenWijzerKnop", "Secondenwijzer"},
    {"Notitie1", "UU uur"},
    {"Notitie2", "UU uur MM min."},
    {"Notitie3", "UU uur MM min SS sec"},
    {"GroupBox2", "Wijzers"},
    {"Panel1", "Cijfers op de klok"},
    {"Panel2", "Punten"},
    {"ADOefening", "Oefening"},
    {"Panel5", "Antwoord"},
    {"KeuzePaneel", "Kies de oefening"},
    {"Panel7", "Instelling van de oefening"},
    {"Panel6", "Instelling van invoervelden"},
    {"Panel3", "Uitslag"},
    {"Info", "Info over het programma"},
    {"Panel8", "Timer"},
    {"ADControleKnop", "Vraagteken"},
};

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

// The texts a panel shows, in reading order, as one line.
QString tekstVan(const QWidget *paneel)
{
    QStringList regels;
    for (const QLabel *label : paneel->findChildren<QLabel *>())
        if (label->isVisibleTo(paneel) && !label->text().trimmed().isEmpty())
            regels.append(label->text().simplified());
    return regels.join(QLatin1Char(' '));
}
}

// Before any control exists: a screen reader may ask for one as soon as it is made.
void TForm1::installeerToegang()
{
    static const bool geinstalleerd = (QAccessible::installFactory(toegang), true);
    Q_UNUSED(geinstalleerd);
}

void TForm1::geefToegankelijkeNamen()
{
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || !w->accessibleName().isEmpty())
            continue;
        // A label's text changes while the program runs; the reader takes it as it stands.
        if (!qobject_cast<QLabel *>(w) && !zegtIets(zichtbareTekst(w)))
            w->setAccessibleName(w->toolTip());
    }
    for (const EigenNaam &n : EigenNamen)
        findChild<QWidget *>(QLatin1String(n.control))->setAccessibleName(QString::fromUtf8(n.naam));
    for (int i = 0; i < AantalMerken; ++i)
        if (!isUurMerk(i))
            MinuutMerken[i]->setAccessibleName(QStringLiteral("streepje %1").arg(i));
    m_wijzerplaat = new Onzichtbaar(this, "Wijzerplaat", QAccessible::Graphic);
    m_wijzerplaat->setGeometry(klok.MiddenX - klok.Straal, klok.MiddenY - klok.Straal, 2 * klok.Straal, 2 * klok.Straal);
    m_wijzerplaat->lower();
    m_melding = new Onzichtbaar(this, "Melding", QAccessible::Notification);
    m_melding->setGeometry(0, 0, 1, 1);
    m_melding->hide();
    vertelWijzers();
}

// Called whenever the hands are drawn, so only a change is told.
void TForm1::vertelWijzers()
{
    if (!QAccessible::isActive() || !m_wijzerplaat)
        return;
    const bool correctie = WijzerCorrectie->isChecked();
    const bool seconden = SecondenAan->isChecked() && (run.OefenType == GeenOefening || !SecInvoerVeld->isHidden());
    const QString plaat = QStringLiteral("Klok: ") + wijzerplaatWoorden(klok.StandUur, klok.StandMin, klok.StandSec, correctie, seconden);
    if (plaat != m_wijzerplaat->accessibleName())
        m_wijzerplaat->setAccessibleName(plaat);
    for (const Wijzer wijzer : {UurWijzer, MinutenWijzer, SecondenWijzer}) {
        ShapeKnob *knop = knopVan(wijzer);
        const int stand = standVan(wijzer);
        const QString woorden = QStringLiteral("staat ") + wijzerWoorden(wijzer, stand, klok.StandMin, correctie);
        if (woorden == knop->property(StandWoorden).toString())
            continue;
        const double uren = wijzer == UurWijzer ? stand % 12 + (correctie ? klok.StandMin / 60.0 : 0.0)
                                                : double(stand) / MerkenPerUur;
        knop->setProperty(StandWoorden, woorden);
        knop->setProperty(StandUren, uren);
        QAccessibleValueChangeEvent gewijzigd(knop, uren);
        QAccessible::updateAccessibility(&gewijzigd);
    }
}

// Shown afresh with its text as name, a notification is read at once by a screen reader.
void TForm1::meld(const QString &tekst)
{
    if (!m_melding)
        return;
    m_melding->hide();
    m_melding->setAccessibleName(tekst.simplified());
    m_melding->show();
}

// The hand a key moved, and where it stands now.
void TForm1::meldWijzer()
{
    const auto wijzer = Wijzer(zetten.GekozenWijzer);
    meld(QStringLiteral("%1 %2%3").arg(knopVan(wijzer)->accessibleName(),
                                       wijzerWoorden(wijzer, standVan(wijzer), klok.StandMin, WijzerCorrectie->isChecked()),
                                       zetten.ZetModus == 1 ? QString() : QStringLiteral(", neergelegd")));
}

QString TForm1::opgaveWoorden() const
{
    if (run.OefenType == DigitaalNaarAnaloog) {
        QStringList delen;
        for (int i = 0; i < 3; ++i)
            if (!antwoordVelden().at(i)->isHidden())
                delen.append(antwoordVelden().at(i)->text() + QLatin1Char(' ') + veldNamen().at(i)->text().toLower());
        return QStringLiteral("Zet de klok op ") + delen.join(QLatin1Char(' ')) + QLatin1Char('.');
    }
    const bool correctie = WijzerCorrectie->isChecked();
    const QString dagdeel = VoorMiddagNaMiddag->text().simplified();
    return QStringLiteral("Lees de klok: ")
           + wijzerplaatWoorden(oefening.OpgaveUur, oefening.OpgaveMin, oefening.OpgaveSec, correctie, !SecInvoerVeld->isHidden())
           + (dagdeel.isEmpty() ? QString() : QStringLiteral(", ") + dagdeel) + QLatin1Char('.');
}

QString TForm1::oordeelVoorlezen() const
{
    std::array<Antwoorddeel, 3> delen;
    for (std::size_t i = 0; i < delen.size(); ++i) {
        const auto deel = qsizetype(i);
        if (run.OefenType == AnaloogNaarDigitaal) {
            const EditField *veld = antwoordVelden().at(deel);
            const QColor kleur = veld->palette().color(QPalette::Base);
            delen[i] = {!veld->isHidden() && kleur != Kleur::Wit, kleur == Kleur::Rood, controles().at(deel)->text()};
        } else {
            const ShapeKnob *knop = knoppen().at(deel);
            delen[i] = {knop->fill() != Kleur::Wit, knop->fill() == Kleur::Rood, {}};
        }
    }
    return oordeelWoorden(delen);
}

QString TForm1::uitslagVoorlezen() const
{
    return QStringLiteral("De tijd is om. ") + tekstVan(Panel3);
}
