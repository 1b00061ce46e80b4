#include "clock/core/TimeText.h"

#include "clock/core/TimeUnits.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace {

enum class Soort { Tekst, Uur, Minuut, Seconde, AmPm, Overig };

struct Stuk
{
    Soort soort;
    QString tekst;
};

Soort soortVan(QChar c)
{
    switch (c.unicode()) {
    case 'h': case 'H': return Soort::Uur;
    case 'm': return Soort::Minuut;
    case 's': return Soort::Seconde;
    case 'a': case 'A': return Soort::AmPm;
    case 't': case 'z': return Soort::Overig;
    default: return Soort::Tekst;
    }
}

// Index just past the quoted text starting at 'from'; '' inside stands for a quote.
qsizetype quotedEnd(const QString &format, qsizetype from)
{
    qsizetype i = from + 1;
    while (i < format.size()) {
        if (format[i] != u'\'')
            ++i;
        else if (i + 1 < format.size() && format[i + 1] == u'\'')
            i += 2;
        else
            return i + 1;
    }
    return format.size();
}

qsizetype fieldEnd(const QString &format, qsizetype from, Soort soort)
{
    qsizetype end = from + 1;
    if (soort == Soort::AmPm)
        return end < format.size() && format[end].toLower() == u'p' ? end + 1 : end;
    while (end < format.size() && format[end] == format[from])
        ++end;
    return end;
}

// Fields and the literal text between them; quoted text stays quoted, so a
// piece can be written back into a format as it was.
QList<Stuk> splitFormat(const QString &format)
{
    QList<Stuk> stukken;
    qsizetype i = 0;
    while (i < format.size()) {
        Soort soort = Soort::Tekst;
        qsizetype end = i + 1;
        if (format[i] == u'\'') {
            end = quotedEnd(format, i);
        } else {
            soort = soortVan(format[i]);
            if (soort != Soort::Tekst)
                end = fieldEnd(format, i, soort);
        }
        const QString tekst = format.mid(i, end - i);
        if (soort == Soort::Tekst && !stukken.isEmpty() && stukken.back().soort == Soort::Tekst)
            stukken.back().tekst += tekst;
        else
            stukken.append({ soort, tekst });
        i = end;
    }
    return stukken;
}

qsizetype indexOf(const QList<Stuk> &stukken, Soort soort)
{
    const auto it = std::find_if(stukken.cbegin(), stukken.cend(),
                                 [soort](const Stuk &s) { return s.soort == soort; });
    return it == stukken.cend() ? -1 : it - stukken.cbegin();
}

// The text between two neighbouring fields, when it is plain punctuation or
// blanks; words such as 'h' or 'min' do not count as a separator.
std::optional<QString> separatorBetween(const QList<Stuk> &stukken, qsizetype a, qsizetype b)
{
    if (a < 0 || b != a + 2 || stukken[a + 1].soort != Soort::Tekst)
        return std::nullopt;
    const QString &tekst = stukken[a + 1].tekst;
    const bool plain = std::all_of(tekst.cbegin(), tekst.cend(), [](QChar c) {
        return c != u'\'' && (c.isPunct() || c.isSymbol() || c.isSpace());
    });
    return plain ? std::optional<QString>(tekst) : std::nullopt;
}

QString timeSeparator(const QList<Stuk> &stukken)
{
    const qsizetype uur = indexOf(stukken, Soort::Uur);
    const qsizetype minuut = indexOf(stukken, Soort::Minuut);
    const qsizetype seconde = indexOf(stukken, Soort::Seconde);
    return separatorBetween(stukken, uur, minuut)
            .value_or(separatorBetween(stukken, minuut, seconde).value_or(QStringLiteral(":")));
}

QString localeSeparator(const QLocale &locale)
{
    return timeSeparator(splitFormat(locale.timeFormat(QLocale::LongFormat)));
}

} // namespace

QString clockFormat(const QLocale &locale)
{
    const QList<Stuk> stukken = splitFormat(locale.timeFormat(QLocale::LongFormat));
    const qsizetype uur = indexOf(stukken, Soort::Uur);
    const QString separator = timeSeparator(stukken);
    return (uur < 0 ? QStringLiteral("HH") : stukken[uur].tekst) + separator + QStringLiteral("mm") + separator
            + QStringLiteral("ss");
}

QString digitalClockText(const QTime &time, bool twaalfUren, const QLocale &locale)
{
    QTime shown = time;
    if (twaalfUren && time.hour() > Tijd::MiddagUur)
        shown = QTime(time.hour() - Tijd::MiddagUur, time.minute(), time.second(), time.msec());
    return locale.toString(shown, clockFormat(locale));
}

QString countdownText(qint64 remainingMs, const QLocale &locale)
{
    const qint64 seconden = std::max<qint64>(remainingMs, 0) / Tijd::MsPerSeconde;
    const QString separator = localeSeparator(locale);
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QString::number(seconden / Tijd::SecondenPerUur) + separator
            + twoDigits(seconden / Tijd::SecondenPerMinuut % Tijd::MinutenPerUur) + separator
            + twoDigits(seconden % Tijd::SecondenPerMinuut);
}
