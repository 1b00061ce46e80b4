#include "app/Controls.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>

namespace {

void frame3D(QPainter &p, QRect &r, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void bevel(QPainter &p, QRect &r, Bevel kind, int width)
{
    if (kind == Bevel::Raised)
        frame3D(p, r, SysColor::ButtonHighlight, SysColor::ButtonShadow, width);
    else if (kind == Bevel::Lowered)
        frame3D(p, r, SysColor::ButtonShadow, SysColor::ButtonHighlight, width);
}

// Cut to its length, a field would keep the first half of an emoji that does not fit: an
// edit that leaves half a character is refused as a whole.
class WholeCharacters final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return input.isValidUtf16() ? Acceptable : Invalid; }
};

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

BevelPanel::BevelPanel(QWidget *parent, const PanelStyle &style) : QWidget(parent), m_style(style)
{
    if (style.color.isValid())
        Make::setBackground(this, style.color);
}

void BevelPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (m_style.singleBorder)
        frame3D(p, r, SysColor::DarkShadow, SysColor::DarkShadow, 1);
    bevel(p, r, m_style.outer, m_style.bevelWidth);
    r.adjust(m_style.borderWidth, m_style.borderWidth, -m_style.borderWidth, -m_style.borderWidth);
    bevel(p, r, m_style.inner, m_style.bevelWidth);
    if (!m_caption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT moved();
    QLabel::mouseMoveEvent(event);
}

ShapeKnob::ShapeKnob(QWidget *parent) : QWidget(parent) {}

void ShapeKnob::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void ShapeKnob::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(Kleur::Zwart);
    p.setBrush(m_fill);
    p.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

void ShapeKnob::mousePressEvent(QMouseEvent *)
{
    Q_EMIT pressed();
}

SpeedButton::SpeedButton(QWidget *parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::mousePressEvent(QMouseEvent *event)
{
    QToolButton::mousePressEvent(event);
    Q_EMIT down();
}

void SpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    QToolButton::mouseReleaseEvent(event);
    Q_EMIT up();
}

EditField::EditField(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new WholeCharacters(this));
}

void EditField::setColors(const QColor &back, const QColor &text)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, text);
    setPalette(p);
}

void EditField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    Q_EMIT clicked();
}

// Coming back to the window, or out of a menu, is no move into or out of the field.
static bool binnenVenster(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

void EditField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    deselect();
    if (binnenVenster(event))
        Q_EMIT entered();
}

void EditField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (binnenVenster(event))
        Q_EMIT exited();
}

void EditField::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event) && m_onEnter && m_onEnter()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void Make::setup(QWidget *w, const char *name, const QRect &place, const QString &tip)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(place);
    if (!tip.isEmpty()) {
        w->setToolTip(tip);
        w->setToolTipDuration(Theme::TooltipHideMs);
    }
    // Each control answers pointer moves itself; its container never sees them.
    w->setMouseTracking(true);
    w->setAttribute(Qt::WA_NoMousePropagation);
    w->setCursor(Qt::ArrowCursor);
}

void Make::setBackground(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Make::setTextColor(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

static void applyLook(QWidget *w, const Look &look)
{
    w->setFont(look.font);
    Make::setTextColor(w, look.text);
    if (look.back.isValid())
        Make::setBackground(w, look.back);
}

QLabel *Make::label(QWidget *parent, const char *name, const QRect &place, const QString &text,
                    const Look &look, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    setup(l, name, place);
    applyLook(l, look);
    l->setAlignment(align);
    return l;
}

ClickLabel *Make::staticText(QWidget *parent, const char *name, const QRect &place,
                             const QString &text, const Look &look, const QString &tip)
{
    auto *l = new ClickLabel(parent);
    l->setText(text);
    setup(l, name, place, tip);
    applyLook(l, look);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

BevelPanel *Make::panel(QWidget *parent, const char *name, const QRect &place,
                        const PanelStyle &style, const QFont &font)
{
    auto *p = new BevelPanel(parent, style);
    setup(p, name, place);
    p->setFont(font);
    return p;
}

QPushButton *Make::button(QWidget *parent, const char *name, const QRect &place, const QString &text,
                          const QString &tip, const Look &look)
{
    auto *b = new QPushButton(text, parent);
    setup(b, name, place, tip);
    b->setFont(look.font);
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, look.text);
    b->setPalette(p);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

QRadioButton *Make::radio(QWidget *parent, const char *name, const QRect &place, const QString &text,
                          const QString &tip, const Look &look, bool textLeft)
{
    auto *r = new QRadioButton(text, parent);
    setup(r, name, place, tip);
    applyLook(r, look);
    if (textLeft)
        r->setLayoutDirection(Qt::RightToLeft);
    r->setCursor(Qt::PointingHandCursor);
    return r;
}

void Make::exclusiveSet(QObject *owner, std::initializer_list<QRadioButton *> radios)
{
    auto *set = new QButtonGroup(owner);
    for (QRadioButton *r : radios)
        set->addButton(r);
}

QCheckBox *Make::check(QWidget *parent, const char *name, const QRect &place, const QString &text,
                       const QString &tip, const Look &look)
{
    auto *c = new QCheckBox(text, parent);
    setup(c, name, place, tip);
    applyLook(c, look);
    c->setLayoutDirection(Qt::RightToLeft);
    c->setCursor(Qt::PointingHandCursor);
    return c;
}

EditField *Make::edit(QWidget *parent, const char *name, const QRect &place, int maxLength,
                      const QString &tip, const QFont &font)
{
    auto *e = new EditField(parent);
    setup(e, name, place, tip);
    e->setMaxLength(maxLength);
    e->setFont(font);
    e->setTextMargins(0, 0, 0, 0);
    return e;
}

const QCursor &Make::noDropCursor()
{
    static const QCursor cursor = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        const QPolygon arrow({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
        p.setPen(Kleur::Wit);
        p.setBrush(Kleur::Zwart);
        p.drawPolygon(arrow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Kleur::Wit, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(12, 14, 12, 12));
        p.drawLine(14, 24, 22, 16);
        p.setPen(QPen(Kleur::Zwart, 2));
        p.drawEllipse(QRect(12, 14, 12, 12));
        p.drawLine(14, 24, 22, 16);
        return QCursor(pm, 0, 0);
    }();
    return cursor;
}
