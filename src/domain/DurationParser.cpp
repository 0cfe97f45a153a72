#include "domain/DurationParser.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <optional>

namespace dunok {

namespace {

// Anything past this is refused as too long anyway; saturating here keeps
// twenty typed digits from overflowing on the way.
constexpr qint64 saturated = maxTypedDuration * 1000;

qint64 saturatingAdd(qint64 a, qint64 b) {
    return (a >= saturated - b) ? saturated : a + b;
}

qint64 saturatingMul(qint64 a, qint64 b) {
    return (b != 0 && a >= saturated / b) ? saturated : a * b;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A run of ASCII digits from pos; no value when there is none.
std::optional<qint64> readDigits(const QString& s, qsizetype& pos, qsizetype* count = nullptr) {
    const qsizetype start = pos;
    qint64 value = 0;
    while (pos < s.size() && isDigit(s[pos]))
        value = saturatingAdd(saturatingMul(value, 10), s[pos++].unicode() - u'0');
    if (count) *count = pos - start;
    if (pos == start) return std::nullopt;
    return value;
}

DurationReading unreadable() {
    return {0, DurationProblem::unreadable};
}

DurationReading judge(qint64 seconds) {
    if (seconds == 0 || seconds > maxTypedDuration) return {0, DurationProblem::outOfRange};
    return {seconds, DurationProblem::none};
}

DurationReading parseClock(const QString& s) {
    const QStringList fields = s.split(u':');
    if (fields.size() > 3) return unreadable();
    qint64 total = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        qsizetype pos = 0;
        qsizetype count = 0;
        const std::optional<qint64> value = readDigits(fields[i], pos, &count);
        if (!value || pos != fields[i].size()) return unreadable();
        if (i > 0 && (count != 2 || *value >= 60)) return unreadable();
        total = saturatingAdd(saturatingMul(total, 60), *value);
    }
    return judge(total);
}

struct Unit {
    qint64 seconds;
    std::array<const char16_t*, 5> names;
};

// Largest first: a bare number after unit i means unit i + 1.
const std::array<Unit, 4> units{{
    {86400, {u"d", u"day", u"days", nullptr, nullptr}},
    {3600, {u"h", u"hr", u"hrs", u"hour", u"hours"}},
    {60, {u"m", u"min", u"mins", u"minute", u"minutes"}},
    {1, {u"s", u"sec", u"secs", u"second", u"seconds"}},
}};

int unitIndex(QStringView word) {
    for (int i = 0; i < int(units.size()); ++i)
        for (const char16_t* name : units[i].names)
            if (name && word == QStringView(name)) return i;
    return -1;
}

// number * unit as whole seconds, where number is whole + fraction / 10^digits;
// no value when that is not a whole number of seconds.
std::optional<qint64> wholeSeconds(qint64 whole, qint64 fraction, qsizetype digits, qint64 unit) {
    qint64 scale = 1;
    for (qsizetype i = 0; i < digits; ++i) scale *= 10;
    const qint64 part = fraction * unit;  // fraction < 10^9, unit <= 86400: no overflow
    if (part % scale != 0) return std::nullopt;
    return saturatingAdd(saturatingMul(whole, unit), part / scale);
}

bool isSeparator(QChar c) {
    return c.isSpace() || c == u',';
}

DurationReading parseUnits(const QString& s) {
    qint64 total = 0;
    std::array<bool, 4> used{};
    int lastUnit = -1;
    qsizetype pos = 0;
    while (true) {
        while (pos < s.size() && isSeparator(s[pos])) ++pos;
        if (pos == s.size()) break;

        std::optional<qint64> whole = readDigits(s, pos);
        qint64 fraction = 0;
        qsizetype fractionDigits = 0;
        if (pos < s.size() && s[pos] == u'.') {
            ++pos;
            fraction = readDigits(s, pos, &fractionDigits).value_or(0);
            // More places than a second can use would only be noise.
            if (fractionDigits > 9) return unreadable();
        }
        if (!whole && fractionDigits == 0) return unreadable();

        while (pos < s.size() && s[pos].isSpace()) ++pos;
        const qsizetype wordStart = pos;
        while (pos < s.size() && s[pos].isLetter()) ++pos;
        int unit = -1;
        if (pos > wordStart) {
            unit = unitIndex(QStringView(s).mid(wordStart, pos - wordStart));
            if (unit < 0) return unreadable();
        } else {
            // A bare number: alone it is seconds, after a unit it is the next
            // smaller one, and nothing may follow it.
            unit = lastUnit < 0 ? int(units.size()) - 1 : lastUnit + 1;
            while (pos < s.size() && isSeparator(s[pos])) ++pos;
            if (pos != s.size() || unit >= int(units.size())) return unreadable();
        }
        if (used[unit]) return unreadable();
        used[unit] = true;
        lastUnit = unit;

        const std::optional<qint64> part =
            wholeSeconds(whole.value_or(0), fraction, fractionDigits, units[unit].seconds);
        if (!part) return unreadable();
        total = saturatingAdd(total, *part);
    }
    return judge(total);
}

}  // namespace

DurationReading parseDuration(const QString& text) {
    const QString s = text.trimmed().toLower();
    if (s.isEmpty()) return {0, DurationProblem::empty};
    if (s.startsWith(u'-') && !s.startsWith(u"--")) {
        // "-5m" is a duration below zero, however long its magnitude.
        const DurationReading magnitude = parseDuration(s.mid(1));
        if (magnitude.problem == DurationProblem::none ||
            magnitude.problem == DurationProblem::outOfRange)
            return {0, DurationProblem::outOfRange};
        return unreadable();
    }
    if (s.contains(u':')) return parseClock(s);
    return parseUnits(s);
}

QString durationRangeText() {
    return QCoreApplication::translate("DurationParser", "A timer runs for a second to a year.");
}

QString addedTimeRangeText() {
    return QCoreApplication::translate("DurationParser", "Add a second to 7 days.");
}

}  // namespace dunok
