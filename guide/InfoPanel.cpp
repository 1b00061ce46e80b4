// The information panel with the maker's two web sites, and the STOP picture that quits.
#include "app/Pictures.h"
#include "app/Platform.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPainter>
#include <QUrl>

namespace {
// The only two addresses the program ever asks the desktop to open.
QString eersteSite()
{
    return QStringLiteral("tikara.example");
}

QString tweedeSite()
{
    return QStringLiteral("klokles.example");
}

QString label46Tekst()
{
    return QStringLiteral("Kan gratis gedownload worden op :") + QString(34, QLatin1Char(' ')) + QStringLiteral("of");
}
constexpr int OfLinks = 409 - 27; // in the gap between the two buttons, in the label's own coordinates

// The run of spaces in the text keeps room for the first button. Drawn with the spaces of
// the font at hand it would hide "of" under the button, so the words after the run stand at
// a fixed place instead.
class GatLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qsizetype gat = text().indexOf(QStringLiteral("  "));
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text().left(gat));
        p.drawText(rect().adjusted(OfLinks, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text().mid(gat).trimmed());
    }
};

void openSite(const QString &host)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + host));
}
}

void TForm1::bouwInfo()
{
    Info = Make::panel(this, "Info", Rect(120, 204, 585, 232), {Kleur::Blauw, Bevel::Raised, Bevel::None, 3, 5, true},
                       Theme::font(16, Theme::Regular));
    Make::setTextColor(Info, Kleur::Geel);
    Info->hide();
    const Look geel{Theme::font(13, Theme::Regular), Kleur::Geel};
    Make::label(Info, "Label42", Rect(58, 13, 103, 16), QStringLiteral("Een product van :"), geel);
    Make::label(Info, "Label43", Rect(176, 8, 141, 24), QStringLiteral("Jorn Vellekamp"),
                {Theme::font(19, Theme::Bold | Theme::Italic), Kleur::Geel});
    auto *label46 = new GatLabel(label46Tekst(), Info);
    Make::setup(label46, "Label46", Rect(27, 36, 399, 16));
    label46->setFont(Theme::font(13, Theme::Bold | Theme::Italic));
    Make::setTextColor(label46, Kleur::Wit);
    Button3 = Make::button(Info, "Button3", Rect(280, 34, 121, 21), eersteSite(), {}, {Theme::font(13), Kleur::Geel});
    Button4 = Make::button(Info, "Button4", Rect(432, 34, 121, 21), tweedeSite(), {}, {Theme::font(13), Kleur::Geel});
    // Yellow on the panel's own blue, so the addresses can be read.
    for (QPushButton *b : {Button3, Button4}) {
        QPalette p = b->palette();
        p.setColor(QPalette::Button, Kleur::Blauw);
        b->setPalette(p);
    }
    Image2 = Make::label(Info, "Image2", Rect(537, 6, 33, 36), {}, {});
    Image2->setPixmap(portraitIcon(32));
    Make::label(Info, "Label44", Rect(216, 75, 106, 20), QStringLiteral("Tikara v.3"),
                {Theme::font(16, Theme::Bold | Theme::Underline), Kleur::Geel});
    QLabel *tekst = Make::label(Info, "Label45", Rect(5, 104, 565, 121),
                                QStringLiteral("Een programma met veel mogelijkheden om de klok te leren lezen , zowel analoog als "
                                               "digitaal. Er kan geoefend worden met het omzetten van digitaal naar analoog, en "
                                               "analoog naar digitaal."),
                                {Theme::font(16, Theme::Regular), Kleur::Geel}, Qt::AlignHCenter | Qt::AlignTop);
    tekst->setWordWrap(true);
    OKKnop = Make::button(Info, "OKKnop", Rect(265, 181, 36, 25), {}, {});
    OKKnop->setIcon(checkMarkGlyph());
    OKKnop->setIconSize(QSize(18, 18));
    OKKnop->setAccessibleName(QStringLiteral("OK")); // the check mark says it, for a screen reader
    OKKnop->setFocusPolicy(Qt::ClickFocus);
}

void TForm1::Image1Click()
{
    Info->show();
}

void TForm1::OKKnopClick()
{
    Info->hide();
    if (m_focusVoorInfo)
        m_focusVoorInfo->setFocus(Qt::OtherFocusReason);
    m_focusVoorInfo.clear();
}

void TForm1::Button3Click()
{
    openSite(eersteSite());
}

void TForm1::Button4Click()
{
    openSite(tweedeSite());
}

void TForm1::Image4Click()
{
    Platform::eindig();
}
