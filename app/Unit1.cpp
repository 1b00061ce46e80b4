#include "app/Unit1.h"
#include "app/core/Placement.h"
#include "clock/core/Clock.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RandomSource.h"
#include "exercise/core/RunState.h"
#include "handset/core/HandSetState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

struct TForm1::Toestand
{
    KlokToestand klok;
    WijzerZetten zetten;
    Run run;
    Oefening oefening;
    AftelToestand aftellen;
};

TForm1::TForm1() : TForm1(std::make_shared<SystemClock>(), std::make_shared<SystemRandomSource>()) {}

TForm1::TForm1(std::shared_ptr<Clock> clock, std::shared_ptr<RandomSource> random)
    : m_toestand(std::make_unique<Toestand>()), klok(m_toestand->klok), zetten(m_toestand->zetten),
      run(m_toestand->run), oefening(m_toestand->oefening), aftellen(m_toestand->aftellen),
      MinuutMerken(AantalMerken), m_clock(std::move(clock)), m_random(std::move(random)),
      m_surface(QSize(ClientWidth, ClientHeight) * devicePixelRatioF(), QImage::Format_RGB32)
{
    Theme::install();
    // The surface has the screen's own pixels, so the hands stay sharp on a scaled screen.
    m_surface.setDevicePixelRatio(devicePixelRatioF());
    m_surface.fill(SysColor::ActiveBorder);
    installeerToegang();
    bouwVenster();
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->toolTip().isEmpty())
            w->setToolTipDuration(Theme::TooltipHideMs);
        w->installEventFilter(this);
    }
    verbind();
    FormCreate();
    // After the face has its size and the hands their places.
    geefToegankelijkeNamen();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(windowPlace(screen->availableGeometry(), size() + FrameAllowance));
}

// Closing the window still moves the focus after this object's members are gone; no control
// may report that to the half-destroyed window.
TForm1::~TForm1()
{
    const auto kinderen = findChildren<QObject *>();
    for (QObject *kind : kinderen)
        kind->disconnect(this);
}

void TForm1::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const qreal schaal = m_surface.devicePixelRatio();
    for (const QRect &r : event->region())
        p.drawImage(r, m_surface, oppervlakStuk(r, schaal));
}

// The window is no dialog, so its default and cancel buttons are pressed here.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The information panel lies on top, so its button goes first.
        if (!Info->isHidden())
            OKKnop->click();
        else if (!KeuzePaneel->isHidden())
            KeuzePaneelOkKnop->click();
        return;
    }
    if (key == Qt::Key_Escape && !OKKnop1->isHidden() && OKKnop1->isEnabled()) {
        OKKnop1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm1::standaardKnopZichtbaar() const
{
    return !Info->isHidden() || !KeuzePaneel->isHidden();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const bool toets = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (toets && toetsGebruikt(*static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::MouseMove)
        HelpMouseMove(watched);
    WijzerKnopSlepen(watched, event);
    const bool antwoordVeld = watched == UurInvoerVeld || watched == MinInvoerVeld || watched == SecInvoerVeld;
    if (event->type() == QEvent::ToolTip && antwoordVeld && !m_veldTipsAan)
        return true;
    return QWidget::eventFilter(watched, event);
}

QList<EditField *> TForm1::antwoordVelden() const
{
    return {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld};
}

QList<QLabel *> TForm1::controles() const
{
    return {Uurcontrol, Minuutcontrol, Secondcontrol};
}

QList<QLabel *> TForm1::veldNamen() const
{
    return {UurNaam, MinuutNaam, SecNaam};
}

QList<ShapeKnob *> TForm1::knoppen() const
{
    return {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop};
}

QList<QWidget *> TForm1::instellingenLijst() const
{
    return {TwaalfUren, VierentwintigUren, Label4, TimerMinuten, SecondenAan,
            WijzerCorrectie, VraagtekenAan, Cijfers, Punten, Romeins};
}

QRadioButton *TForm1::radio(const char *naam) const
{
    return findChild<QRadioButton *>(QLatin1String(naam));
}

Niveau TForm1::gekozenNiveau() const
{
    for (const NiveauRij &rij : niveaus())
        if (radio(rij.knop)->isChecked())
            return rij.niveau;
    return niveaus().front().niveau;
}

Notatie TForm1::gekozenNotatie() const
{
    for (const NotatieRij &rij : notaties())
        if (radio(rij.knop)->isChecked())
            return rij.notatie;
    return notaties().front().notatie;
}
