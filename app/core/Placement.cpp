#include "app/core/Placement.h"

#include <algorithm>

QPoint windowPlace(const QRect &available, const QSize &window)
{
    const QPoint centred = available.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

qreal fitScale(const QSize &available, const QSize &window)
{
    if (window.isEmpty() || available.isEmpty())
        return 1;
    return std::min(qreal(available.width()) / window.width(), qreal(available.height()) / window.height());
}

qreal lowerScaleToFit(qreal scale, const QSize &available, const QSize &window)
{
    if (window.isEmpty() || available.isEmpty())
        return scale;
    return std::min(scale, fitScale(available, window));
}
