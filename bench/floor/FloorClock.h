#pragma once
// The floor of the benchmark: the least a Qt Widgets program of Tikara's client size can do
// while showing a running analog clock. Three hands, painted from scratch in paintEvent,
// the whole window repainted once a second. Tikara's start-up, memory and idle figures are
// measured against this window.
//
// With a time label (bench_floor --text) the floor also shows one line of text in a layout,
// so it loads the font database and a font before its window maps, as every window with a
// sized text control does; that tells the cost of text apart from the cost of the rest.
#include <QLabel>
#include <QTimer>
#include <QWidget>

class FloorClock : public QWidget
{
    Q_OBJECT
public:
    explicit FloorClock(bool withTimeLabel, QWidget *parent = nullptr);

    static constexpr int ClientWidth = 799;
    static constexpr int ClientHeight = 620;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tick();

    QTimer m_tick;
    QLabel *m_time = nullptr;
};
