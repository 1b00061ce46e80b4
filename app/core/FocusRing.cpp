#include "app/core/FocusRing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 RingBlack = 0x000000;
constexpr quint32 RingWhite = 0xFFFFFF;

// One sRGB channel (0-255) as linear light.
qreal linear(quint32 channel)
{
    const qreal c = qreal(channel & 0xFF) / 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

qreal luminance(quint32 rgb)
{
    return 0.2126 * linear(rgb >> 16) + 0.7152 * linear(rgb >> 8) + 0.0722 * linear(rgb);
}

} // namespace

qreal contrastRatio(quint32 a, quint32 b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

quint32 ringColour(quint32 beside)
{
    return contrastRatio(RingBlack, beside) >= contrastRatio(RingWhite, beside) ? RingBlack : RingWhite;
}
