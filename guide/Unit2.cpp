#include "guide/Unit2.h"

#include "app/Controls.h"
#include "app/Pictures.h"
#include "clock/core/FaceGeometry.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QPainter>

namespace {
constexpr QSize OntwerpMaat(797, 392);
// The design's tool-window frame: the client area starts this far inside the outer edge.
constexpr QPoint NominaleKaderRand(NominaalKaderBreedte / 2, NominaalKaderHoogte - NominaalKaderBreedte / 2);

QFont inktFont()
{
    // No antialiasing, so the mask made from the text is exactly the text.
    QFont f = Theme::font(11, Theme::Regular);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void blauwLabel(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    QLabel *l = Make::label(parent, name, place, text, {inktFont(), Kleur::Blauw});
    l->setMouseTracking(false);
    // Labels size themselves to their text, so no letter is cut off.
    l->resize(qMax(place.width(), l->sizeHint().width()), place.height());
}
}

TForm2::TForm2(QWidget *hoofdvenster) : QWidget(hoofdvenster), m_hoofdvenster(hoofdvenster)
{
    setObjectName(QStringLiteral("Form2"));
    // The browser's platform has neither masked nor see-through windows; there the overlay
    // is a masked child of the main window, which looks the same and lets clicks through.
#ifndef Q_OS_WASM
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
#endif
    // Nothing on it can take the focus, so showing it leaves the focus where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(OntwerpMaat);
    bouwUurLabels();
    bouwKwartieren();
    maakMasker();
}

void TForm2::bouwUurLabels()
{
    struct Rij { const char *name; QRect place; const char *text; };
    static const Rij rijen[] = {
        {"U24", Rect(173, 1, 66, 13), "24 uur = 0 uur"}, {"U13", Rect(292, 28, 30, 13), "13 uur"},
        {"U14", Rect(358, 94, 30, 13), "14 uur"},        {"U15", Rect(383, 188, 30, 13), "15 uur"},
        {"U16", Rect(359, 280, 30, 13), "16 uur"},       {"U17", Rect(292, 348, 30, 13), "17 uur"},
        {"U18", Rect(190, 373, 30, 13), "18 uur"},       {"U19", Rect(104, 349, 30, 13), "19 uur"},
        {"U20", Rect(29, 284, 30, 13), "20 uur"},        {"U21", Rect(5, 188, 21, 13), "21 u"},
        {"U22", Rect(31, 88, 30, 13), "22 uur"},         {"U23", Rect(96, 25, 30, 13), "23 uur"},
    };
    for (const Rij &r : rijen)
        blauwLabel(this, r.name, r.place, QString::fromLatin1(r.text));
}

void TForm2::bouwKwartieren()
{
    blauwLabel(this, "StaticText1", Rect(43, 187, 55, 17), QString::fromUtf8("Kwart vóór"));
    blauwLabel(this, "StaticText2", Rect(322, 188, 46, 17), QStringLiteral("Kwart na"));
    blauwLabel(this, "StaticText3", Rect(195, 348, 23, 17), QStringLiteral("Half"));
    const struct { const char *name; QRect place; ArrowPoint richting; } pijlen[] = {
        {"Image4", Rect(102, 150, 57, 104), ArrowPoint::Left},
        {"Image3", Rect(258, 137, 57, 104), ArrowPoint::Right},
        {"Image1", Rect(161, 287, 102, 56), ArrowPoint::Down},
    };
    for (const auto &p : pijlen) {
        auto *pijl = new QLabel(this);
        Make::setup(pijl, p.name, p.place);
        pijl->setMouseTracking(false);
        pijl->setPixmap(QPixmap::fromImage(arrowPicture(p.richting, p.place.size())));
    }
}

void TForm2::maakMasker()
{
    QImage inkt(OntwerpMaat, QImage::Format_ARGB32_Premultiplied);
    inkt.fill(Qt::transparent);
    render(&inkt, QPoint(), QRegion(), QWidget::DrawChildren);
    setMask(QBitmap::fromImage(inkt.createAlphaMask(Qt::MonoOnly | Qt::ThresholdAlphaDither)));
}

// Lines up with the main window's outer frame as the design measures it, so the labels
// land on the face on every desktop, whatever frame its window manager draws.
void TForm2::FormActivate()
{
    const QPoint client = m_hoofdvenster->mapToGlobal(QPoint(0, 0));
    const QPoint linksBoven = client - NominaleKaderRand + QPoint(0, OnderBovenrand);
    const QSize maat = m_hoofdvenster->size() + QSize(NominaalKaderBreedte, NominaalKaderHoogte);
    if (isWindow()) {
        setGeometry(QRect(linksBoven, maat));
    } else {
        setGeometry(QRect(m_hoofdvenster->mapFromGlobal(linksBoven), maat));
        raise();
    }
}

void TForm2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT gesloten();
}

bool TForm2::event(QEvent *event)
{
    // A tool window hears every activation of its main window too; only its own counts.
    if (event->type() == QEvent::WindowActivate && QApplication::activeWindow() == this)
        FormActivate();
    return QWidget::event(event);
}
