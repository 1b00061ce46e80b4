#include "app/Theme.h"

#include "app/core/FocusRing.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#if QT_CONFIG(thread)
#include <QThreadPool>
#endif
#include <qdrawutil.h>
#include <QStyleFactory>

namespace {

// The classic desktop's metrics and group box, tooltips after half a second, and a focus ring
// that can be seen on every background.
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

    // A 13-pixel box or circle with a short gap before its text, as the layout was measured with.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return IndicatorSize;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return IndicatorGap;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        if (const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option); box && control == CC_GroupBox)
            return groupBoxPart(*box, part);
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    // A plain etched frame whose top line runs through the middle of the caption, broken
    // around it. The style's own group box is a picture whose loading pulls in every
    // image-format plugin at start-up.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (!box || control != CC_GroupBox) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = groupBoxPart(*box, SC_GroupBoxLabel);
        painter->save();
        painter->setClipRegion(QRegion(box->rect) - caption);
        qDrawShadeRect(painter, groupBoxPart(*box, SC_GroupBoxFrame), box->palette, true, 1, 0);
        painter->restore();
        drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                     box->state & State_Enabled, box->text, QPalette::WindowText);
    }

    // A focused button, check box or radio button looks as it does without the focus, plus the
    // ring. The ring shows where the style showed its own, faint mark: on a focused button (the
    // one Enter presses) and, once the keyboard has moved the focus, on a check box or radio button.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (!button || !(element == CE_PushButton || element == CE_CheckBox || element == CE_RadioButton)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionButton plain = *button;
        plain.state &= ~State_HasFocus;
        // The focus makes a button the one Enter presses, which the style would mark as well.
        plain.features &= ~QStyleOptionButton::DefaultButton;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        const bool pushButton = element == CE_PushButton;
        if (!(button->state & State_HasFocus) || !(pushButton || button->state & State_KeyboardFocusChange))
            return;
        const QColor around = button->palette.color(QPalette::Window);
        if (pushButton)
            drawRing(painter, button->rect, faceColour(plain, widget), around);
        else
            drawRing(painter, subElementRect(element == CE_CheckBox ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect,
                                             button, widget), around, around);
    }

    // An edit field shows the ring over its frame whenever it has the focus: the typing goes there.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        if (!frame || element != PE_FrameLineEdit) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionFrame plain = *frame;
        plain.state &= ~State_HasFocus;
        QProxyStyle::drawPrimitive(element, &plain, painter, widget);
        if (frame->state & State_HasFocus)
            drawRing(painter, frame->rect, frame->palette.color(QPalette::Base), frame->palette.color(QPalette::Window));
    }

private:
    // The style paints a button's face lighter and paler than the palette's colour, and a
    // gradient: its middle is what the ring's inner line lies beside.
    QColor faceColour(QStyleOptionButton button, const QWidget *widget) const
    {
        QImage face(button.rect.size(), QImage::Format_RGB32);
        QPainter painter(&face);
        button.rect = face.rect();
        QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &button, &painter, widget);
        return face.pixelColor(face.rect().center());
    }

    static constexpr int IndicatorSize = 13;
    static constexpr int IndicatorGap = 4;
    static constexpr int CaptionIndent = 8;
    static constexpr int CaptionPadding = 2;
    static constexpr QRgb RgbMask = 0xFFFFFF;

    // Two lines just inside the rectangle, each black or white, whichever stands out from the
    // colour beside it: the outer one from the surroundings, the inner one from the control.
    static void drawRing(QPainter *painter, const QRect &rect, const QColor &inside, const QColor &outside)
    {
        drawLine(painter, rect, outside);
        drawLine(painter, rect.adjusted(1, 1, -1, -1), inside);
    }

    static void drawLine(QPainter *painter, const QRect &rect, const QColor &beside)
    {
        const QColor ink = QColor::fromRgb(ringColour(beside.rgb() & RgbMask));
        for (const QRect &part : QRegion(rect).subtracted(rect.adjusted(1, 1, -1, -1)))
            painter->fillRect(part, ink);
    }

    // With or without a caption, the frame starts half a line down, so nested group boxes
    // line up.
    static QRect groupBoxPart(const QStyleOptionGroupBox &box, SubControl part)
    {
        const int line = box.fontMetrics.height();
        const QRect frame = box.rect.adjusted(0, line / 2, 0, 0);
        switch (part) {
        case SC_GroupBoxLabel:
            if (box.text.isEmpty())
                return {};
            return {box.rect.left() + CaptionIndent, box.rect.top(),
                    box.fontMetrics.horizontalAdvance(box.text) + 2 * CaptionPadding, line};
        case SC_GroupBoxContents:
            return frame.adjusted(2, line / 2, -2, -2);
        default:
            return frame;
        }
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

// The browser offers no fonts of its own, so the page carries Liberation Sans as a resource;
// elsewhere the folder does not exist and the system's fonts serve.
void addBuiltInFonts()
{
    const QDir builtIn(QStringLiteral(":/tikara-fonts"));
    for (const QString &file : builtIn.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(builtIn.filePath(file));
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
    addBuiltInFonts();
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
    // Without threads (the web page) the fonts are read when first asked for.
#if QT_CONFIG(thread)
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
#endif
}
