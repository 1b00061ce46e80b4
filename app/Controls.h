#pragma once
// The control kinds the window is built from, and one small factory per kind, so the
// layout code reads like the layout table it comes from.
#include "app/Theme.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <initializer_list>

// Font, text colour and an optional background (invalid: the parent shows through).
struct Look
{
    QFont font = Theme::font(13);
    QColor text = Kleur::Zwart;
    QColor back = QColor();
};

enum class Bevel { None, Raised, Lowered };

struct PanelStyle
{
    QColor color;
    Bevel outer = Bevel::Raised;
    Bevel inner = Bevel::None;
    int bevelWidth = 1;
    int borderWidth = 0;
    bool singleBorder = false;
};

// A container with an outer and an inner bevel, a gap between them and an optional caption.
class BevelPanel : public QWidget
{
    Q_OBJECT
public:
    BevelPanel(QWidget *parent, const PanelStyle &style);
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PanelStyle m_style;
    QString m_caption;
};

// Text or picture that reports a click: the exercise starters, the images, the minute marks.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent);

Q_SIGNALS:
    void clicked();
    void moved();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A filled circle with a thin black outline; reports a press of any mouse button.
class ShapeKnob : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeKnob(QWidget *parent);
    void setFill(const QColor &fill);
    QColor fill() const { return m_fill; }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_fill = Kleur::Wit;
};

// A button that never takes the focus and reports press and release separately.
class SpeedButton : public QToolButton
{
    Q_OBJECT
public:
    explicit SpeedButton(QWidget *parent);

Q_SIGNALS:
    void down();
    void up();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A one-line field that reports clicks, gaining and losing the focus, and Enter.
// The Enter handler returns whether it used the key; an unused Enter goes on to the window.
class EditField : public QLineEdit
{
    Q_OBJECT
public:
    explicit EditField(QWidget *parent);
    void setEnterHandler(std::function<bool()> handler) { m_onEnter = std::move(handler); }
    void setColors(const QColor &back, const QColor &text);

Q_SIGNALS:
    void clicked();
    void entered();
    void exited();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<bool()> m_onEnter;
};

// A place as the layout gives it: left, top, width, height.
constexpr QRect Rect(int left, int top, int width, int height)
{
    return {left, top, width, height};
}

namespace Make {
// Name, place, tooltip and the behaviour every control shares.
void setup(QWidget *w, const char *name, const QRect &place, const QString &tip = {});

QLabel *label(QWidget *parent, const char *name, const QRect &place, const QString &text,
              const Look &look, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
ClickLabel *staticText(QWidget *parent, const char *name, const QRect &place, const QString &text,
                       const Look &look, const QString &tip = {});
BevelPanel *panel(QWidget *parent, const char *name, const QRect &place, const PanelStyle &style,
                  const QFont &font);
QPushButton *button(QWidget *parent, const char *name, const QRect &place, const QString &text,
                    const QString &tip = {}, const Look &look = {});
QRadioButton *radio(QWidget *parent, const char *name, const QRect &place, const QString &text,
                    const QString &tip, const Look &look, bool textLeft = true);
// Radios the layout sets apart form an exclusive set of their own: a click on the selected
// one keeps it selected, and the arrow keys move only within the set.
void exclusiveSet(QObject *owner, std::initializer_list<QRadioButton *> radios);
QCheckBox *check(QWidget *parent, const char *name, const QRect &place, const QString &text,
                 const QString &tip, const Look &look);
EditField *edit(QWidget *parent, const char *name, const QRect &place, int maxLength,
                const QString &tip, const QFont &font);
void setBackground(QWidget *w, const QColor &color);
// The arrow with a slashed circle that marks places where nothing can be done.
const QCursor &noDropCursor();
void setTextColor(QWidget *w, const QColor &color);
}
