// The panels the exercises work in: exercise, choice, result and countdown.
#include "app/Pictures.h"
#include "app/Unit1.h"
#include "exercise/core/Levels.h"

namespace {
const QFont Klein = Theme::font(11);
const QFont ArialVet = Theme::font(13, Theme::Bold | Theme::Italic, Theme::Arial);
const PanelStyle ZijPaneel{SysColor::GrayText, Bevel::Lowered, Bevel::None, 2, 0, true};
const PanelStyle Groep{SysColor::AppWorkspace, Bevel::Raised, Bevel::Lowered, 1, 0, false};

QPushButton *glyphButton(QWidget *parent, const char *name, const QRect &place, const QString &text,
                         const QString &tip, const QIcon &glyph)
{
    QPushButton *b = Make::button(parent, name, place, text, tip, {Klein});
    b->setIcon(glyph);
    b->setIconSize(QSize(18, 18));
    return b;
}
}

void TForm1::bouwADOefening()
{
    ADOefening = Make::panel(this, "ADOefening", Rect(406, 135, 185, 370), ZijPaneel, Klein);
    ADOefening->setCursor(Make::noDropCursor());
    ADOefening->hide();
    Memo1 = new QPlainTextEdit(ADOefening);
    Make::setup(Memo1, "Memo1", Rect(4, 3, 172, 75));
    Memo1->setPlainText(QStringLiteral("Oefening\nanaloog -> digitaal\nNotitie- methode"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setFont(Theme::font(13, Theme::Italic, Theme::Arial));
    Memo1->viewport()->setCursor(Make::noDropCursor());
    QPalette mp = Memo1->palette();
    mp.setColor(QPalette::Base, SysColor::Desktop);
    mp.setColor(QPalette::Text, Kleur::Geel);
    Memo1->setPalette(mp);

    ADControleKnop = new SpeedButton(ADOefening);
    Make::setup(ADControleKnop, "ADControleKnop", Rect(74, 113, 33, 24),
                QStringLiteral("Druk hier om te zien of je de opgave correct hebt ingevuld"));
    ADControleKnop->setText(QStringLiteral("?"));
    ADControleKnop->setFont(Theme::font(21, Theme::Bold, Theme::Arial));
    Make::setTextColor(ADControleKnop, Kleur::Groen);
    ADControleKnop->hide();

    Panel5 = Make::panel(ADOefening, "Panel5", Rect(2, 155, 176, 92), Groep, Klein);
    Panel5->setCursor(Make::noDropCursor());
    bouwAntwoordVelden();
    ADOkKnop = glyphButton(ADOefening, "ADOkKnop", Rect(31, 250, 119, 25), QStringLiteral("OK"),
                           QStringLiteral("Ga naar de volgende opgave"), checkMarkGlyph());
    ADStopKnop = glyphButton(ADOefening, "ADStopKnop", Rect(31, 330, 119, 25), QStringLiteral("Stop Oefening"),
                             QStringLiteral("Stoppen met de huidige oefening"), redCrossGlyph());
    ADStopKnop->setFocusPolicy(Qt::ClickFocus);
}

void TForm1::bouwAntwoordVelden()
{
    VoorMiddagNaMiddag = Make::label(Panel5, "VoorMiddagNaMiddag", Rect(16, 3, 140, 17), {},
                                     {Theme::font(13, Theme::Bold, Theme::Arial), Kleur::Geel}, Qt::AlignHCenter | Qt::AlignTop);
    VoorMiddagNaMiddag->setToolTip(QStringLiteral("Voormiddag is 00:00:00 tot 11:59:59 en namiddag = 12:00:00 tot 23:59:59"));
    VoorMiddagNaMiddag->setCursor(Make::noDropCursor());
    UurInvoerVeld = Make::edit(Panel5, "UurInvoerVeld", Rect(34, 22, 25, 21), 2, QStringLiteral("Vul hier het juiste uur in"), Klein);
    MinInvoerVeld = Make::edit(Panel5, "MinInvoerVeld", Rect(70, 22, 25, 21), 2, QStringLiteral("Vul hier de juiste minuten in."), Klein);
    SecInvoerVeld = Make::edit(Panel5, "SecInvoerVeld", Rect(105, 22, 25, 21), 2, QStringLiteral("Vul hier de juiste Seconden in."), Klein);
    MinInvoerVeld->hide();
    SecInvoerVeld->hide();
    const Look zwart{Klein};
    UurNaam = Make::label(Panel5, "UurNaam", Rect(40, 47, 30, 13), QStringLiteral("Uur"), zwart);
    MinuutNaam = Make::label(Panel5, "MinuutNaam", Rect(72, 47, 25, 13), QStringLiteral("Min"), zwart);
    SecNaam = Make::label(Panel5, "SecNaam", Rect(104, 47, 25, 13), QStringLiteral("Sec"), zwart);
    const Look rood{Klein, Kleur::Rood};
    Uurcontrol = Make::label(Panel5, "Uurcontrol", Rect(32, 65, 30, 13), {}, rood);
    Minuutcontrol = Make::label(Panel5, "Minuutcontrol", Rect(72, 65, 25, 13), {}, rood);
    Secondcontrol = Make::label(Panel5, "Secondcontrol", Rect(104, 65, 25, 13), {}, rood);
}

void TForm1::bouwKeuzePaneel()
{
    KeuzePaneel = Make::panel(this, "KeuzePaneel", Rect(406, 135, 185, 370), ZijPaneel, Theme::font(13));
    Make::setTextColor(KeuzePaneel, Kleur::Geel);
    KeuzePaneel->setCursor(Make::noDropCursor());
    KeuzePaneel->hide();
    Panel4 = Make::panel(KeuzePaneel, "Panel4", Rect(3, 8, 173, 33), {SysColor::AppWorkspace, Bevel::None},
                         Theme::font(16, Theme::Bold, Theme::Arial));
    Make::setTextColor(Panel4, Kleur::Geel);
    Panel4->setCaption(QStringLiteral("Kies Instellingen"));
    Panel4->setCursor(Make::noDropCursor());
    Panel7 = Make::panel(KeuzePaneel, "Panel7", Rect(3, 56, 174, 121), Groep, Klein);
    Panel6 = Make::panel(KeuzePaneel, "Panel6", Rect(3, 192, 174, 119), Groep, Klein);
    for (BevelPanel *p : {Panel6, Panel7}) {
        Make::setTextColor(p, Kleur::Zwart);
        p->setCursor(Make::noDropCursor());
    }
    bouwNiveaus();
    bouwNotaties();
    KeuzePaneelTerugKnop = glyphButton(KeuzePaneel, "KeuzePaneelTerugKnop", Rect(5, 329, 76, 25), QStringLiteral("Terug"),
                                       QStringLiteral("Terug naar het start-menu"), walkingFigureGlyph());
    KeuzePaneelOkKnop = glyphButton(KeuzePaneel, "KeuzePaneelOkKnop", Rect(104, 329, 73, 25), QStringLiteral("OK"),
                                    QStringLiteral("Start de oefening"), checkMarkGlyph());
    for (QPushButton *b : {KeuzePaneelTerugKnop, KeuzePaneelOkKnop}) {
        b->setFocusPolicy(Qt::ClickFocus);
        b->setCursor(Qt::PointingHandCursor);
    }
}

// One radio button per level of the core's table, with the level's caption.
void TForm1::bouwNiveaus()
{
    Label10 = Make::label(Panel7, "Label10", Rect(12, 8, 148, 13), QStringLiteral("Instelling van de oefening"),
                          {Theme::font(11, Theme::Bold | Theme::Underline), Kleur::Marine});
    const auto niveauKnop = [this](Niveau niveau, const QRect &plaats, const QString &tip) {
        const NiveauRij &rij = niveauRij(niveau);
        return Make::radio(Panel7, rij.knop, plaats, QString::fromUtf16(rij.tekst), tip, {Klein});
    };
    UrenAan = niveauKnop(Niveau::Uren, Rect(82, 32, 81, 17), QStringLiteral("Enkel oefenen met gehele uren."));
    HalveUrenAan = niveauKnop(Niveau::HalveUren, Rect(48, 51, 115, 18), QStringLiteral("Enkel oefenen met halve uren."));
    KwartierenAan = niveauKnop(Niveau::Kwartieren, Rect(49, 72, 114, 17), QStringLiteral("Enkel oefenen met kwartieren."));
    MinutenAan = niveauKnop(Niveau::Minuten, Rect(3, 91, 161, 18), QStringLiteral("Oefenen met alle tijden."));
    UrenAan->setChecked(true);
    Make::exclusiveSet(this, {UrenAan, HalveUrenAan, KwartierenAan, MinutenAan});
}

void TForm1::bouwNotaties()
{
    Label9 = Make::label(Panel6, "Label9", Rect(8, 8, 154, 13), QStringLiteral("Instelling van invoervelden"),
                         {Theme::font(11, Theme::Bold | Theme::Underline), Kleur::Marine});
    Label9->setCursor(Make::noDropCursor());
    const Look geel{ArialVet, Kleur::Geel};
    const QString tip = QStringLiteral("Kies de notitiestijl");
    Notitie1 = Make::radio(Panel6, "Notitie1", Rect(3, 31, 41, 17), QStringLiteral("UU"), tip, geel, false);
    Notitie2 = Make::radio(Panel6, "Notitie2", Rect(3, 59, 41, 17), QStringLiteral("UU"), tip, geel, false);
    Notitie3 = Make::radio(Panel6, "Notitie3", Rect(3, 86, 41, 17), QStringLiteral("UU"), tip, geel, false);
    Notitie1->setChecked(true);
    Make::exclusiveSet(this, {Notitie1, Notitie2, Notitie3});
    struct Rij { const char *name; QRect place; const char *text; bool arial; };
    static const Rij rijen[] = {
        {"Label1", Rect(43, 32, 19, 13), "uur", false},  {"Label2", Rect(44, 59, 19, 13), "uur", false},
        {"Label3", Rect(69, 60, 24, 16), "MM", true},    {"Label5", Rect(98, 60, 24, 13), "min.", false},
        {"Label16", Rect(43, 87, 19, 13), "uur", false}, {"Label17", Rect(71, 87, 24, 16), "MM", true},
        {"Label18", Rect(101, 87, 20, 13), "min", false}, {"Label19", Rect(126, 87, 18, 16), "SS", true},
        {"Label7", Rect(147, 88, 21, 13), "sec", false},
    };
    for (const Rij &r : rijen) {
        QLabel *l = Make::label(Panel6, r.name, r.place, QString::fromLatin1(r.text), r.arial ? geel : Look{Klein});
        l->setCursor(Make::noDropCursor());
    }
}

void TForm1::bouwResultaat()
{
    Panel3 = Make::panel(this, "Panel3", Rect(20, 135, 763, 369),
                         {SysColor::Desktop, Bevel::Raised, Bevel::Lowered, 3, 3, false}, Theme::font(13));
    Panel3->setCursor(Qt::ForbiddenCursor);
    Panel3->hide();
    const Look wit{Theme::font(19), Kleur::Wit};
    const Look groot{Theme::font(32), Kleur::Geel};
    Label47 = Make::label(Panel3, "Label47", Rect(326, 44, 116, 24), QStringLiteral("Puntentotaal"),
                          {Theme::font(19), Kleur::Wit, SysColor::Desktop}, Qt::AlignCenter);
    // The points grow to the left, so they stay right-aligned against "OP".
    Label48 = Make::label(Panel3, "Label48", Rect(132, 148, 200, 37), {}, groot, Qt::AlignRight | Qt::AlignTop);
    Label50 = Make::label(Panel3, "Label50", Rect(370, 156, 30, 24), QStringLiteral("OP"), wit, Qt::AlignHCenter | Qt::AlignTop);
    Label49 = Make::label(Panel3, "Label49", Rect(436, 146, 200, 37), {}, groot);
    Label51 = Make::label(Panel3, "Label51", Rect(304, 257, 98, 41), {}, {Theme::font(32), Kleur::Limoen}, Qt::AlignRight | Qt::AlignTop);
    Label52 = Make::label(Panel3, "Label52", Rect(412, 256, 30, 37), QStringLiteral("%"), {Theme::font(32), Kleur::Wit});
}

void TForm1::bouwAftelklok()
{
    Panel8 = Make::panel(this, "Panel8", Rect(310, 102, 96, 32), {SysColor::HotLight, Bevel::None}, Theme::font(13));
    KlokVenster = Make::label(Panel8, "KlokVenster", Rect(3, 3, 90, 26), {}, {Theme::font(19), Kleur::Rood, Kleur::Zwart}, Qt::AlignCenter);
    KlokVenster->setToolTip(QStringLiteral("Aftelklok"));
    KlokVenster->setCursor(Qt::ForbiddenCursor);
    KlokVenster->hide();
}
