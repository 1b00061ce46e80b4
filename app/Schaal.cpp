#include "app/Schaal.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

#include <utility>

QSize Schaal::schermPixels(const QScreen &scherm)
{
    return scherm.handle()->geometry().size();
}

QSize Schaal::beschikbarePixels(const QScreen &scherm)
{
    return scherm.handle()->availableGeometry().size();
}

void Schaal::kies(const std::function<qreal(const QScreen &, qreal)> &kiezer)
{
    QList<std::pair<QScreen *, qreal>> gekozen;
    bool anders = false;
    const auto schermen = QGuiApplication::screens();
    for (QScreen *scherm : schermen) {
        const qreal nu = QHighDpiScaling::factor(scherm);
        const qreal schaal = kiezer(*scherm, nu);
        anders = anders || !qFuzzyCompare(nu, schaal);
        gekozen.append({scherm, schaal});
    }
    if (!anders)
        return;
    // Qt multiplies a screen's factor by its global one (QT_SCALE_FACTOR); every screen's
    // whole scale is set as its own factor instead, so none changes by more than was chosen.
    QHighDpiScaling::setGlobalFactor(1);
    for (const auto &[scherm, schaal] : gekozen)
        QHighDpiScaling::setScreenFactor(scherm, schaal);
}
