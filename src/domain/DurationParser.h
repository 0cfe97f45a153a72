// Reading a duration the way people type one: "1:30", "1:02:03", "90s",
// "1h 5m", "2 hours", "1.5h", "45".
#pragma once

#include <QString>

namespace dunok {

// outOfRange: a duration in the typed forms, but zero, negative ("-5m") or
// longer than maxTypedDuration.
enum class DurationProblem { none, empty, unreadable, outOfRange };

struct DurationReading {
    qint64 seconds = 0;  // valid only when ok()
    DurationProblem problem = DurationProblem::none;
    bool ok() const { return problem == DurationProblem::none; }
};

// A typed timer runs for at most a year; more than that is a slip of the
// finger, and refusing it keeps every later sum far from overflowing.
inline constexpr qint64 maxTypedDuration = 365LL * 86400;

// The forms, case and surrounding blanks ignored:
// - clock form M:SS or H:MM:SS ("1:30" is 1 minute 30 seconds, as on a
//   kitchen timer); the fields after the first take exactly two digits below 60;
// - units d, h, m, s (also "hr", "min", "sec", "hours", ...), each at most
//   once, in any order, with optional blanks or commas between; a number may
//   have a decimal part as long as the total is whole seconds ("1.5h");
// - a bare number: seconds on its own ("45"), or the next smaller unit after
//   a unit ("1h 30" is 1 hour 30 minutes).
// Digits are ASCII only. A leading minus sign before any of these forms reads
// as out of range, not as unreadable: it was meant as a duration.
DurationReading parseDuration(const QString& text);

// The one sentence for a duration out of range, wherever a duration is typed:
// "A timer runs for a second to a year."
QString durationRangeText();

// Time is added to a running timer a second to a week at a time, and never
// leaves it more than a week to run.
inline constexpr qint64 longestAddedTime = 7 * 86400;
// The one sentence for time to add out of range: "Add a second to 7 days."
QString addedTimeRangeText();

}  // namespace dunok
