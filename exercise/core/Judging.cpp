#include "exercise/core/Judging.h"

#include "clock/core/TimeUnits.h"

#include <limits>

namespace {

constexpr int lastMorningHour = Tijd::MiddagUur - 1;
constexpr qint64 largestMagnitude = qint64(std::numeric_limits<qint32>::max()) + 1;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only ASCII digits: QChar::isDigit() would also accept other scripts' digits.
bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool matches(const QString &text, int expected)
{
    const std::optional<qint32> read = LeesGetal(text.isEmpty() ? QStringLiteral("0") : text);
    return read && *read == expected;
}

} // namespace

std::optional<qint32> LeesGetal(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;

    const bool negative = begin < end && text.at(begin) == u'-';
    if (begin < end && (negative || text.at(begin) == u'+'))
        ++begin;
    if (begin == end)
        return std::nullopt;

    qint64 magnitude = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (!isAsciiDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > largestMagnitude)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

bool TypedVerdict::juist() const
{
    return !uurFout && !minFout && !secFout;
}

TypedVerdict judgeTyped(const QString &uur, const QString &min, const QString &sec,
                        const Opgave &opgave, Notatie notatieStijl)
{
    TypedVerdict verdict;
    verdict.uurFout = !matches(uur, Tijd::gelezenUur(opgave.uur)); // 12 for the task hour 0, on both dials
    verdict.judgedMin = beoordeeltMinuten(notatieStijl);
    verdict.judgedSec = beoordeeltSeconden(notatieStijl);
    if (verdict.judgedMin)
        verdict.minFout = !matches(min, opgave.min);
    if (verdict.judgedSec)
        verdict.secFout = !matches(sec, opgave.sec);
    return verdict;
}

bool HandsVerdict::juist() const
{
    return uurGoed && minGoed && secGoed;
}

HandsVerdict judgeHands(const Opgave &gezet, const Opgave &opgave, bool vierentwintigUren, bool secondenAan)
{
    const bool afternoonTask = vierentwintigUren && opgave.uur > lastMorningHour;
    HandsVerdict verdict;
    verdict.uurGoed = gezet.uur + (afternoonTask ? Tijd::UrenOpWijzerplaat : 0) == opgave.uur;
    verdict.minGoed = gezet.min == opgave.min;
    verdict.secJudged = secondenAan;
    if (secondenAan)
        verdict.secGoed = gezet.sec == opgave.sec;
    return verdict;
}
