#include "FloorClock.h"

#include <QPainter>
#include <QTime>
#include <QVBoxLayout>

namespace {
constexpr int TickMs = 1000;
constexpr int FaceRadius = 240;
constexpr qreal HourLength = 0.5, MinuteLength = 0.75, SecondLength = 0.9;
constexpr int HourPen = 6, MinutePen = 3, SecondPen = 1;
constexpr int Marks = 60, MarksPerHour = 5, HourMark = 12, MinuteMark = 4;

void drawHand(QPainter &p, qreal degrees, qreal length, int width)
{
    p.save();
    p.rotate(degrees);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -length * FaceRadius));
    p.restore();
}
}

FloorClock::FloorClock(bool withTimeLabel, QWidget *parent) : QWidget(parent)
{
    setFixedSize(ClientWidth, ClientHeight);
    setWindowTitle(QStringLiteral("bench_floor"));
    if (withTimeLabel) {
        m_time = new QLabel(this);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(m_time, 0, Qt::AlignHCenter | Qt::AlignBottom);
    }
    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &FloorClock::tick);
    m_tick.start();
    tick();
}

void FloorClock::tick()
{
    if (m_time)
        m_time->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    update();
}

void FloorClock::paintEvent(QPaintEvent *)
{
    const QTime now = QTime::currentTime();
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2, height() / 2);
    for (int i = 0; i < Marks; ++i) {
        const int mark = i % MarksPerHour == 0 ? HourMark : MinuteMark;
        p.drawLine(QPoint(0, mark - FaceRadius), QPoint(0, -FaceRadius));
        p.rotate(360.0 / Marks);
    }
    drawHand(p, 30.0 * ((now.hour() % 12) + now.minute() / 60.0), HourLength, HourPen);
    drawHand(p, 6.0 * (now.minute() + now.second() / 60.0), MinuteLength, MinutePen);
    drawHand(p, 6.0 * now.second(), SecondLength, SecondPen);
}
