#include "domain/TimerFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>

#include "domain/TimerLookup.h"
#include "domain/TimerRepository.h"
#include "domain/Translations.h"

namespace dunok {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TimerFile)
};

const QString formatName = QStringLiteral("dunok-timers");
constexpr std::pair<WhenFinished, const char*> thenWords[] = {
    {WhenFinished::Stop, "stop"}, {WhenFinished::Repeat, "repeat"}, {WhenFinished::Start, "start"}};

QString thenWord(WhenFinished then) {
    for (const auto& [value, word] : thenWords)
        if (value == then) return QLatin1String(word);
    return QStringLiteral("stop");
}

QJsonObject entryOf(const Timer& timer, const QList<Timer>& all) {
    QJsonObject when{{"times", timer.rounds}};
    const auto target = std::ranges::find(all, timer.next, &Timer::id);
    if (timer.then == WhenFinished::Start && timer.next > 0 && target != all.end()) {
        when.insert("then", thenWord(WhenFinished::Start));
        when.insert("timer", target->desc);
        // A name that several timers share cannot say which one is meant.
        if (std::ranges::count(all, target->desc, &Timer::desc) > 1)
            when.insert("index", qint64(target - all.begin()));
    } else {
        when.insert("then", thenWord(timer.then == WhenFinished::Repeat ? WhenFinished::Repeat
                                                                        : WhenFinished::Stop));
    }
    return {{"description", timer.desc},
            {"seconds", timer.duration},
            {"sound", timer.sound},
            {"snooze", QJsonObject{{"on", timer.snoozeOn}, {"minutes", timer.snooze / 60}}},
            {"warnBefore", timer.warnBefore},
            {"whenFinished", when}};
}

// A JSON number that is a whole number from low to high.
std::optional<qint64> wholeNumber(const QJsonValue& value, qint64 low, qint64 high) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= double(low) && number <= double(high)) || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

// "Timer 3 (“Tea”)": where in the file a fault is.
QString whereIs(int index, const QString& desc) {
    if (desc.isEmpty()) return Texts::tr("Timer %1").arg(index + 1);
    const QString shown = desc.size() > 40 ? desc.left(39) + QChar(0x2026) : desc;
    return Texts::tr("Timer %1 (“%2”)").arg(index + 1).arg(shown);
}

struct Entry {
    Timer timer;
    QString startsName;  // the description of the timer a Start starts
    std::optional<qint64> startsIndex;
};

// The entry's fault, for the user, or an empty string.
QString readEntry(const QJsonValue& value, const QString& defaultSound, qint64 count,
                  Entry* entry) {
    if (!value.isObject()) return Texts::tr("is not a JSON object.");
    const QJsonObject object = value.toObject();
    Timer& timer = entry->timer;
    const QJsonValue desc = object.value("description");
    if (!desc.isString()) return Texts::tr("“description” is missing or not a text.");
    timer.desc = desc.toString();
    if (timer.desc.size() > maxImportedDescription)
        return Texts::tr("the description is longer than %L1 characters.")
            .arg(maxImportedDescription);
    const auto seconds = wholeNumber(object.value("seconds"), 0, maxTimerDuration);
    if (!seconds)
        return Texts::tr("“seconds” must be a whole number from 0 to %L1 (a hundred years).")
            .arg(maxTimerDuration);
    timer.duration = *seconds;
    const QJsonValue sound = object.value("sound");
    if (!sound.isUndefined() && !sound.isString())
        return Texts::tr("“sound” must be the name of a sound.");
    timer.sound = sound.toString();
    if (timer.sound.isEmpty()) timer.sound = defaultSound;
    if (!isSoundName(timer.sound) || timer.sound.size() > 255)
        return Texts::tr("“sound” must be the name of a sound, not a path.");
    if (const QJsonValue snooze = object.value("snooze"); !snooze.isUndefined()) {
        const QJsonObject fields = snooze.toObject();
        const QJsonValue on = fields.value("on");
        const auto minutes = fields.contains("minutes")
                                 ? wholeNumber(fields.value("minutes"), minSnoozeDuration / 60,
                                               maxSnoozeDuration / 60)
                                 : std::optional<qint64>(defSnoozeDuration / 60);
        if (!snooze.isObject() || !(on.isUndefined() || on.isBool()) || !minutes)
            return Texts::tr("“snooze” must be {\"on\": true or false, \"minutes\": 1 to %L1}.")
                .arg(maxSnoozeDuration / 60);
        timer.snoozeOn = on.toBool();
        timer.snooze = *minutes * 60;
    }
    if (const QJsonValue warn = object.value("warnBefore"); !warn.isUndefined()) {
        const auto minutes = wholeNumber(warn, 0, 5);
        if (!minutes || readableWarning(*minutes) != *minutes)
            return Texts::tr("“warnBefore” must be 0, 1, 2 or 5 (minutes).");
        timer.warnBefore = *minutes;
    }
    const QJsonValue when = object.value("whenFinished");
    if (when.isUndefined()) return {};
    const QJsonObject fields = when.toObject();
    const QJsonValue thenValue = fields.value("then");
    const QString then = thenValue.isUndefined() ? QStringLiteral("stop") : thenValue.toString();
    const auto word =
        std::ranges::find_if(thenWords, [&](const auto& pair) { return then == pair.second; });
    if (!when.isObject() || word == std::end(thenWords))
        return Texts::tr("“whenFinished” must have “then”: “stop”, “repeat” or “start”.");
    timer.then = word->first;
    const auto times = fields.contains("times")
                           ? wholeNumber(fields.value("times"), 0, maxRoutineRounds)
                           : std::optional<qint64>(0);
    if (!times)
        return Texts::tr("“times” must be a whole number from 0 (until stopped) to %1.")
            .arg(maxRoutineRounds);
    timer.rounds = int(*times);
    if (timer.then != WhenFinished::Start) return {};
    if (!fields.value("timer").isString())
        return Texts::tr("“then”: “start” needs the description of a timer in “timer”.");
    entry->startsName = fields.value("timer").toString();
    if (fields.contains("index")) {
        entry->startsIndex = wholeNumber(fields.value("index"), 0, count - 1);
        if (!entry->startsIndex)
            return Texts::tr("“index” must be the place of a timer in the file, from 0 to %L1.")
                .arg(count - 1);
    }
    return {};
}

TimerFileContents refused(const QString& error) {
    TimerFileContents contents;
    contents.error = error;
    return contents;
}

QString sizeText(const QString& path, qint64 bytes) {
    const qint64 megabytes = std::max<qint64>(1, bytes / (1024 * 1024));
    const qint64 most = maxTimerFileBytes / (1024 * 1024);
    if (path.isEmpty())
        return Texts::tr("The file is %1 MB large; an export file is at most %2 MB.")
            .arg(megabytes)
            .arg(most);
    return Texts::tr("“%1” is %2 MB large; an export file is at most %3 MB.")
        .arg(path)
        .arg(megabytes)
        .arg(most);
}
}  // namespace

QByteArray timerFileText(const QList<Timer>& timers) {
    QJsonArray entries;
    for (const Timer& timer : timers) entries.append(entryOf(timer, timers));
    const QJsonObject file{
        {"format", formatName}, {"version", timerFileVersion}, {"timers", entries}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

TimerFileContents readTimerFile(const QByteArray& file, const QString& defaultSound) {
    if (file.size() > maxTimerFileBytes) return refused(sizeText({}, file.size()));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file, &parse);
    if (parse.error != QJsonParseError::NoError) {
        const QByteArray before = file.left(parse.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = parse.offset - (before.lastIndexOf('\n') + 1) + 1;
        return refused(Texts::tr("This is not an export file: it is not JSON (%1 at line %2, "
                                 "column %3).")
                           .arg(parse.errorString())
                           .arg(line)
                           .arg(column));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != formatName)
        return refused(Texts::tr("This is not a Dunok export file: its “format” is not “%1”.")
                           .arg(formatName));
    const auto version = wholeNumber(root.value("version"), 1, std::numeric_limits<int>::max());
    if (!version)
        return refused(Texts::tr("The file's “version” is missing or not a whole number."));
    if (*version > timerFileVersion)
        return refused(Texts::tr("A newer Dunok wrote this file (format version %1); this one "
                                 "reads version %2.")
                           .arg(*version)
                           .arg(timerFileVersion));
    if (!root.value("timers").isArray())
        return refused(Texts::tr("The file's “timers” is missing or not a list."));
    const QJsonArray entries = root.value("timers").toArray();
    if (entries.size() > maxTimersInFile)
        return refused(Texts::tr("The file holds %L1 timers; Dunok imports at most %L2 at a time.")
                           .arg(entries.size())
                           .arg(maxTimersInFile));

    QList<Entry> read(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (const QString fault = readEntry(entries.at(i), defaultSound, entries.size(), &read[i]);
            !fault.isEmpty())
            return refused(whereIs(int(i), read[i].timer.desc) + QStringLiteral(": ") + fault);

    TimerFileContents contents;
    for (qsizetype i = 0; i < read.size(); ++i) {
        Entry& entry = read[i];
        int target = -1;
        if (entry.timer.then == WhenFinished::Start) {
            const auto named = [&](const Entry& e) { return e.timer.desc == entry.startsName; };
            if (entry.startsIndex && named(read.at(*entry.startsIndex)))
                target = int(*entry.startsIndex);
            else if (!entry.startsIndex)
                target = int(std::ranges::find_if(read, named) - read.begin());
            if (target < 0 || target >= read.size())
                return refused(
                    whereIs(int(i), entry.timer.desc) + QStringLiteral(": ") +
                    Texts::tr("it starts “%1”, which is not in the file.").arg(entry.startsName));
            // Starting itself is starting again.
            if (target == i) {
                entry.timer.then = WhenFinished::Repeat;
                target = -1;
            }
        }
        contents.timers << entry.timer;
        contents.links << target;
    }
    return contents;
}

bool readTimerFileAt(const QString& path, QByteArray* file, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = Texts::tr("There is no file “%1”.").arg(path);
        return false;
    }
    if (info.isDir()) {
        *error = Texts::tr("“%1” is a folder, not a file.").arg(path);
        return false;
    }
    if (info.isFile() && info.size() > maxTimerFileBytes) {
        *error = sizeText(path, info.size());
        return false;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = Texts::tr("“%1” cannot be read: %2").arg(path, in.errorString());
        return false;
    }
    // Read no further than an export file can be: a device or a pipe has no
    // size to check beforehand.
    *file = in.read(maxTimerFileBytes + 1);
    if (file->size() > maxTimerFileBytes) {
        *error = sizeText(path, file->size());
        file->clear();
        return false;
    }
    if (in.error() != QFileDevice::NoError) {
        *error = Texts::tr("“%1” cannot be read: %2").arg(path, in.errorString());
        return false;
    }
    return true;
}

bool writeTimerFileAt(const QString& path, const QByteArray& file, QString* error) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
        *error = Texts::tr("“%1” could not be written: %2").arg(path, out.errorString());
        return false;
    }
    return true;
}

ImportResult importTimers(const QByteArray& file, TimerRepository& store, const QStringList& taken,
                          const QString& defaultSound,
                          const std::function<bool(const QString&)>& soundKnown) {
    ImportResult result;
    TimerFileContents contents = readTimerFile(file, defaultSound);
    if (!contents.ok()) {
        result.error = contents.error;
        return result;
    }
    // Only a clash with the timers already there is renamed: timers that
    // share a name in the file shared it where they came from.
    QStringList names = taken;
    for (Timer& timer : contents.timers) {
        if (taken.contains(timer.desc)) timer.desc = unusedName(timer.desc, names);
        names << timer.desc;
        if (!soundKnown(timer.sound) && !result.unknownSounds.contains(timer.sound))
            result.unknownSounds << timer.sound;
    }
    StoreError why;
    if (!store.addLinked(contents.timers, contents.links, &why)) {
        result.error = why.description;
        result.storeRefused = true;
        result.storeError = why;
        result.unknownSounds.clear();
        return result;
    }
    result.timers = std::move(contents.timers);
    return result;
}

QString exportedText(int count, const QString& where) {
    return translateCount("TimerFile",
                          QT_TRANSLATE_N_NOOP("TimerFile", "Exported %Ln timer(s) to “%1”."), count)
        .arg(where);
}

QString nothingImportedText() {
    return Texts::tr("No timer was imported.");
}

QString importedText(const ImportResult& result, const QString& defaultSound) {
    QString text =
        translateCount("TimerFile", QT_TRANSLATE_N_NOOP("TimerFile", "Imported %Ln timer(s)."),
                       int(result.timers.size()));
    if (result.unknownSounds.isEmpty()) return text;
    QStringList quoted;
    for (const QString& sound : result.unknownSounds) quoted << Texts::tr("“%1”").arg(sound);
    return text + QLatin1Char(' ') +
           Texts::tr("This computer has no sound %1: those timers ring “%2” until it is added.")
               .arg(quoted.join(QStringLiteral(", ")), defaultSound);
}

}  // namespace dunok
