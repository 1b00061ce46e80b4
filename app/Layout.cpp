// The main window's own controls: the settings group, the score panel, the face and the foot.
#include "app/Pictures.h"
#include "app/Unit1.h"
#include "clock/core/FaceGeometry.h"

namespace {
QString instellingenTip()
{
    return QStringLiteral("Hulpmiddeltjes in analoge klok zichtbaar/onzichtbaar maken.");
}

constexpr int UurMerkHoogte = 16;
constexpr int StipHoogte = 13; // the smallest readable size: the design asks for 3 px, the desktop shows its minimum

QList<int> markOrder()
{
    QList<int> order;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < AantalMerken; ++i)
            if (isUurMerk(i) == (pass == 0))
                order << i;
    return order;
}
}

void TForm1::bouwVenster()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tikara v.2.1 (ZVO)"));
    setWindowIcon(portraitWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(Theme::font(13));
    Make::setBackground(this, SysColor::ActiveBorder);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    installEventFilter(this);

    Image4 = Make::staticText(this, "Image4", Rect(26, 104, 57, 25), {}, {}, QStringLiteral("Stop het programma."));
    Image4->setPixmap(QPixmap::fromImage(stopPicture()));
    Image4->setScaledContents(true);
    bouwKlok();
    bouwInstellingen();
    bouwScorePaneel();
    bouwOnderkant();
    bouwADOefening();
    bouwKeuzePaneel();
    bouwMerken();
    bouwAftelklok();
    bouwResultaat();
    bouwInfo();
    bouwTimers();
}

void TForm1::bouwKlok()
{
    const auto knop = [this](const char *name, int left, const QString &tip) {
        auto *k = new ShapeKnob(this);
        Make::setup(k, name, Rect(left, 56, 15, 15), tip);
        k->setCursor(Qt::PointingHandCursor);
        k->hide();
        return k;
    };
    UurWijzerKnop = knop("UurWijzerKnop", 56, QStringLiteral("Klik hierop om de uurwijzer te verplaatsen."));
    MinutenWijzerKnop = knop("MinutenWijzerKnop", 72, QStringLiteral("Klik hierop om de minutenwijzer te verplaatsen."));
    SecondenWijzerKnop = knop("SecondenWijzerKnop", 88, QStringLiteral("Klik hierop om de secondenwijzer te verplaatsen."));
}

void TForm1::bouwMerken()
{
    // The numerals first, so the dots beside them stay on top and are never cut off.
    for (int i : markOrder()) {
        const bool uurMerk = isUurMerk(i);
        const QByteArray name = "M" + QByteArray::number(i);
        const QSize size = !uurMerk ? QSize(9, 17) : (i == 0 || i == 55) ? QSize(45, 20)
                                   : i == 50 ? QSize(41, 16) : QSize(37, 20);
        const QString text = uurMerk ? QString::number(Tijd::gelezenUur(i / MerkenPerUur)) : QStringLiteral("*");
        const Look look{Theme::font(uurMerk ? UurMerkHoogte : StipHoogte), Kleur::Zwart, SysColor::ActiveBorder};
        auto *merk = Make::staticText(this, name.constData(), QRect(QPoint(), size), text, look, QStringLiteral("Verdeelschaal van de  klok"));
        merk->setCursor(Qt::PointingHandCursor);
        // Every mark fills its box, so the hands pass beneath the dots as beneath the numerals.
        merk->setAutoFillBackground(true);
        MinuutMerken[i] = merk;
    }
}

void TForm1::bouwInstellingen()
{
    Instellingen = new QGroupBox(QStringLiteral("Instellingen"), this);
    Make::setup(Instellingen, "Instellingen", Rect(17, 7, 761, 89), instellingenTip());
    Make::setBackground(Instellingen, Kleur::Teal);
    Make::setTextColor(Instellingen, Kleur::Wit);
    Instellingen->setCursor(Make::noDropCursor());
    const Look wit{Theme::font(13), Kleur::Wit};

    Image1 = Make::staticText(Instellingen, "Image1", Rect(711, 24, 35, 33), {}, {}, QStringLiteral("Info over het Programma."));
    Image1->setPixmap(portraitIcon(32));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Label4 = Make::label(Instellingen, "Label4", Rect(7, 64, 116, 16), QStringLiteral("Timer (minuten) :"), wit);
    Label4->setToolTip(instellingenTip());
    TimerMinuten = Make::edit(Instellingen, "TimerMinuten", Rect(130, 64, 59, 17), 3,
                              QStringLiteral("Indien de timer moet gebruikt worden, hier het aantal minuten invullen."),
                              Theme::font(13));
    TimerMinuten->setText(QStringLiteral("0"));
    TimerMinuten->setFocusPolicy(Qt::ClickFocus);
    TimerMinuten->setCursor(Qt::PointingHandCursor);
    TwaalfUren = Make::radio(Instellingen, "TwaalfUren", Rect(88, 17, 102, 17), QStringLiteral("12-uren klok "),
                             QStringLiteral("Hier kies je voor een 12-uren klok"), wit);
    TwaalfUren->setChecked(true);
    VierentwintigUren = Make::radio(Instellingen, "VierentwintigUren", Rect(88, 39, 102, 17), QStringLiteral("24-uren klok"),
                                    QStringLiteral("Hier kies je voor een 24-uren klok"), wit);
    bouwGroupBox2();

    Panel1 = Make::panel(Instellingen, "Panel1", Rect(413, 6, 137, 84), {Kleur::Teal, Bevel::Raised, Bevel::None, 1, 0, true}, Theme::font(13));
    Panel1->setToolTip(instellingenTip());
    Cijfers = Make::radio(Panel1, "Cijfers", Rect(58, 9, 63, 17), QStringLiteral("Cijfers"), QStringLiteral("Uurwerk met gewone  cijfers"), wit);
    Cijfers->setChecked(true);
    Punten = Make::radio(Panel1, "Punten", Rect(20, 32, 101, 17), QStringLiteral("Geen cijfers"), QStringLiteral("Uurwerk zonder cijfers"), wit);
    Romeins = Make::radio(Panel1, "Romeins", Rect(42, 55, 79, 17), QStringLiteral("Romeins"), QStringLiteral("Uurwerk met romeinse cijfers"), wit);
    Make::exclusiveSet(this, {TwaalfUren, VierentwintigUren});
    Make::exclusiveSet(this, {Cijfers, Punten, Romeins});

    Button1 = Make::button(Instellingen, "Button1", Rect(560, 54, 145, 25), QStringLiteral("Hulpjes Aan"), instellingenTip());
    Button2 = Make::button(Instellingen, "Button2", Rect(560, 20, 145, 25), QStringLiteral("Minuten onzichtbaar"),
                           QStringLiteral("Hiermee maakt u  op de analoge klok de minuten zichtbaar/onzichtbaar."));
}

void TForm1::bouwGroupBox2()
{
    const Look wit{Theme::font(13), Kleur::Wit};
    GroupBox2 = new QGroupBox(Instellingen);
    Make::setup(GroupBox2, "GroupBox2", Rect(224, 0, 193, 89), instellingenTip());
    GroupBox2->setCursor(Make::noDropCursor());
    SecondenAan = Make::check(GroupBox2, "SecondenAan", Rect(30, 17, 134, 17), QStringLiteral("SecondenWijzer"),
                              QStringLiteral("Secondenwijzer in/uit schakelen"), wit);
    SecondenAan->setChecked(true);
    WijzerCorrectie = Make::check(GroupBox2, "WijzerCorrectie", Rect(19, 40, 145, 17), QStringLiteral("Uurwijzercorrectie"),
                                  QStringLiteral("Uurwijzerstand corrigeren volgens aantal  minuten , of op exacte  uurpositie houden"), wit);
    WijzerCorrectie->setChecked(true);
    VraagtekenAan = Make::check(GroupBox2, "VraagtekenAan", Rect(63, 63, 101, 17), QStringLiteral("Vraagteken "),
                                QStringLiteral("De mogelijkheid in/uit schakelen om  via het vraagteken te weten of de oplossing juist is"), wit);
    ADKnop1 = Make::button(GroupBox2, "ADKnop1", Rect(56, 40, 88, 17), QStringLiteral("Instellingen"),
                           QStringLiteral("Terugkeren naar het instellingen- menu"));
    ADKnop1->setFocusPolicy(Qt::ClickFocus);
}

void TForm1::bouwScorePaneel()
{
    Panel2 = Make::panel(this, "Panel2", Rect(602, 133, 177, 372),
                         {SysColor::InactiveCaption, Bevel::Raised, Bevel::Lowered, 5, 5, true}, Theme::font(13));
    Panel2->setCursor(Make::noDropCursor());
    const Look kop{Theme::font(13, Theme::Bold | Theme::Italic), Kleur::Marine};
    Label41 = Make::label(Panel2, "Label41", Rect(24, 28, 125, 16), QStringLiteral("Behaalde punten"), kop);
    Label6 = Make::label(Panel2, "Label6", Rect(35, 82, 105, 37), QStringLiteral("0"), {Theme::font(32), Kleur::Geel}, Qt::AlignCenter);
    Label6->setToolTip(QStringLiteral("Aantal behaalde punten"));
    Label14 = Make::label(Panel2, "Label14", Rect(72, 175, 38, 29), QStringLiteral("OP"), {Theme::font(24), Kleur::Zwart});
    Label8 = Make::label(Panel2, "Label8", Rect(35, 245, 105, 37), QStringLiteral("0"), {Theme::font(32), Kleur::Blauw}, Qt::AlignCenter);
    Label8->setToolTip(QStringLiteral("Maximum aantal punten"));
    Label40 = Make::label(Panel2, "Label40", Rect(26, 316, 122, 16), QStringLiteral("Maximum punten"), kop);
}

void TForm1::bouwOnderkant()
{
    Help = new QTextEdit(this);
    Make::setup(Help, "Help", Rect(20, 525, 761, 84), QStringLiteral("Context-gevoelig help-menu."));
    Help->setReadOnly(true);
    Help->setFocusPolicy(Qt::NoFocus);
    Help->setFrameShape(QFrame::NoFrame);
    Help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setFont(Theme::font(11));
    Help->viewport()->setCursor(Make::noDropCursor());
    QPalette hp = Help->palette();
    hp.setColor(QPalette::Base, Kleur::Grijs);
    hp.setColor(QPalette::Text, Kleur::Zwart);
    Help->setPalette(hp);

    const QString tip = QStringLiteral(" omzetten.");
    const Look starter{Theme::font(13), Kleur::Zwart, Kleur::Lichtblauw};
    DigitaalAnaloog = Make::staticText(this, "DigitaalAnaloog", Rect(24, 481, 137, 41), QStringLiteral("Start Oefening Digitaal -> analoog"),
                                       starter, QStringLiteral("Start Oefening Digitaal -> Analoog") + tip);
    AnaloogDigitaal = Make::staticText(this, "AnaloogDigitaal", Rect(245, 481, 137, 41), QStringLiteral("Start Oefening Analoog -> digitaal"),
                                       starter, QStringLiteral("Start Oefening Analoog -> Digitaal") + tip);
    for (ClickLabel *s : {DigitaalAnaloog, AnaloogDigitaal}) {
        s->setWordWrap(true);
        s->setFrameStyle(QFrame::Panel | QFrame::Raised);
        s->setCursor(Qt::PointingHandCursor);
    }
    DigiKlok = Make::staticText(this, "DigiKlok", Rect(166, 497, 72, 23), QStringLiteral("00"),
                                {Theme::font(16, Theme::Regular, Theme::Arial), Kleur::Zwart, SysColor::ButtonShadow},
                                QStringLiteral("Digitale klok"));
    DigiKlok->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DigiKlok->setCursor(Make::noDropCursor());

    Startknop = Make::button(this, "Startknop", Rect(472, 105, 62, 25), QStringLiteral("START"),
                             QStringLiteral("Starten van de timer-oefening"), {Theme::font(13), Kleur::Groen});
    OKKnop1 = Make::button(this, "OKKnop1", Rect(473, 105, 62, 25), QStringLiteral("RESET"),
                           QStringLiteral("Programma herstellen"), {Theme::font(13, Theme::Bold | Theme::Italic), Kleur::Groen});
    for (QPushButton *b : {Startknop, OKKnop1}) {
        b->setFocusPolicy(Qt::ClickFocus);
        b->hide();
    }
}

void TForm1::bouwTimers()
{
    const auto timer = [this](const char *name) {
        auto *t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(1000);
        return t;
    };
    Timer1 = timer("Timer1");
    Timer2 = timer("Timer2");
    Timer3 = timer("Timer3");
    Timer2->start();
    Timer3->start();
}
