#include "app/Theme.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QThreadPool>
#include <qdrawutil.h>
#include <QStyleFactory>

namespace {

// Tooltips show after half a second, as on the desktop the program was drawn for.
class TikaraStyle final : public QProxyStyle
{
public:
    TikaraStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return Theme::TooltipShowMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // A plain etched frame: the style's own group-box frame is a picture whose loading pulls
    // in every image-format plugin at start-up.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox) {
            qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

QPalette classicPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, SysColor::ButtonFace);
    p.setColor(QPalette::WindowText, Kleur::Zwart);
    p.setColor(QPalette::Button, SysColor::ButtonFace);
    p.setColor(QPalette::ButtonText, Kleur::Zwart);
    p.setColor(QPalette::Base, SysColor::Window);
    p.setColor(QPalette::Text, Kleur::Zwart);
    p.setColor(QPalette::Light, SysColor::ButtonHighlight);
    p.setColor(QPalette::Midlight, SysColor::ButtonFace);
    p.setColor(QPalette::Mid, SysColor::ButtonShadow);
    p.setColor(QPalette::Dark, SysColor::ButtonShadow);
    p.setColor(QPalette::Shadow, SysColor::DarkShadow);
    p.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    p.setColor(QPalette::HighlightedText, Kleur::Wit);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Kleur::Zwart);
    p.setColor(QPalette::Disabled, QPalette::WindowText, SysColor::GrayText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, SysColor::GrayText);
    p.setColor(QPalette::Disabled, QPalette::Text, SysColor::GrayText);
    return p;
}

} // namespace

QFont Theme::font(int pixels, int style, const QString &family)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    return f;
}

void Theme::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // The layout was measured with narrow sans-serif metrics; keep them so every text fits.
    QFont::insertSubstitution(SansSerif, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(Arial, QStringLiteral("Liberation Sans"));
    QApplication::setStyle(new TikaraStyle);
    QApplication::setPalette(classicPalette());
    QApplication::setFont(font(13));
}

void Theme::loadFontsInBackground()
{
    // The global pool keeps its thread for a while, and the application waits for it on exit.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}
