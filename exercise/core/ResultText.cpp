#include "exercise/core/ResultText.h"

namespace {

constexpr double percent = 100.0;
constexpr int significantDigits = 15;
constexpr int decimalsShown = 1;

} // namespace

std::optional<QString> percentageText(int behaald, int maximum, const QLocale &locale)
{
    if (maximum == 0)
        return std::nullopt;
    const double p = double(behaald) / double(maximum) * percent;

    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    // Fifteen digits first, so 7 of 100 (7.000000000000001) does not show as 7,0.
    const QString text = plain.toString(p, 'g', significantDigits);

    const QString separator = plain.decimalPoint();
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return text;
    return text.left(at + separator.size() + decimalsShown);
}
