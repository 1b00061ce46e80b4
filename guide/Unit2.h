#pragma once
// The Hulpjes overlay: a frameless window that stays on top of the clock and shows only
// its blue hour labels, quarter words and violet arrows. Everything else of it is cut away
// by a window mask made from its own ink, so the clock shows through and clicks there reach
// the window beneath, with or without a compositor. In the web page it is a masked child of
// the main window instead, the browser's platform having no masked windows.
#include <QLabel>
#include <QWidget>

class TForm2 : public QWidget
{
    Q_OBJECT
public:
    // The overlay lines itself up with the main window it helps.
    explicit TForm2(QWidget *hoofdvenster);

    static constexpr int OnderBovenrand = 117; // below the main window's outer top edge

    void FormActivate();

Q_SIGNALS:
    // Closed by the window manager (its close button, Alt+F4), not by the Hulpjes button.
    void gesloten();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void bouwUurLabels();
    void bouwKwartieren();
    void maakMasker();

    QWidget *m_hoofdvenster;
};
