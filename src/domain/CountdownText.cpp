#include "domain/CountdownText.h"

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <QCoreApplication>
#include <QLocale>
#include <memory>

namespace dunok {

namespace {

struct DHMS {
    qint64 d, h, m, s;
};

DHMS split(qint64 t) {
    return {t / 86400, (t % 86400) / 3600, ((t % 86400) % 3600) / 60, ((t % 86400) % 3600) % 60};
}

QString twoDigits(qint64 v) {
    return (v < 10 ? QStringLiteral("0") : QString()) + QString::number(v);
}

// A locale name the user's system gives us (BCP 47) as ICU knows it. An
// unusable name falls back to ICU's own default rather than failing the text.
icu::Locale icuLocale(const QString& localeName) {
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray tag = localeName.toUtf8();
    icu::Locale locale = icu::Locale::forLanguageTag(tag.constData(), status);
    if (U_FAILURE(status) || locale.isBogus()) return icu::Locale::getDefault();
    return locale;
}

// ICU formatters are made per call on purpose: the texts are asked for once
// per finish, and nothing here should cost the program's start-up.
QString mediumText(const QDateTime& when, const QString& localeName,
                   icu::DateFormat::EStyle dateStyle) {
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(
        dateStyle, icu::DateFormat::kMedium, icuLocale(localeName)));
    if (format) {
        icu::UnicodeString text;
        format->format(static_cast<UDate>(when.toMSecsSinceEpoch()), text);
        if (!text.isBogus())
            return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()),
                                      text.length());
    }
    // Without ICU's data there is still a time to show, just not a localised one.
    const QDateTime local = when.toLocalTime();
    return dateStyle == icu::DateFormat::kNone
               ? local.toString(QStringLiteral("HH:mm:ss"))
               : local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

QString toDHMS(qint64 tSecs) {
    if (tSecs < 1) return QStringLiteral("0");
    const DHMS t = split(tSecs);
    QString r;
    if (t.d > 0) r += QString::number(t.d) + QStringLiteral("d ");
    if (t.h > 0) {
        if (!r.isEmpty()) r += QLatin1Char(' ');
        r += QString::number(t.h) + QStringLiteral("h ");
    }
    if (t.m > 0) {
        if (!r.isEmpty()) r += QLatin1Char(' ');
        r += QString::number(t.m) + QLatin1Char('m');
    }
    if (t.s > 0) {
        if (!r.isEmpty()) r += QLatin1Char(' ');
        r += QString::number(t.s) + QLatin1Char('s');
    }
    return r;
}

QString toDHMS2(qint64 tSecs, bool pad) {
    // A countdown that has run past its end reads as zero, not as "-1" digits.
    const DHMS t = split(tSecs < 0 ? 0 : tSecs);
    const QString zero = QStringLiteral("00:");
    QString r;
    if (t.d > 0) r += QString::number(t.d) + QStringLiteral("d ");
    if (t.h == 0)
        r += pad ? zero : QString();
    else
        r += twoDigits(t.h) + QLatin1Char(':');
    if (t.m == 0)
        r += (pad || t.h != 0) ? zero : QString();
    else
        r += twoDigits(t.m) + QLatin1Char(':');
    if (t.s == 0)
        r += pad ? QStringLiteral("00") : QString();
    else
        r += twoDigits(t.s);
    return r;
}

QString finishedText(const QString& time) {
    return QCoreApplication::translate("CountdownText", "Finished %1").arg(time);
}

QString currentTimeStr() {
    return mediumTimeStr(QDateTime::currentDateTimeUtc(), QLocale::system().bcp47Name());
}

QString currentDateTimeStr() {
    return mediumDateTimeStr(QDateTime::currentDateTimeUtc(), QLocale::system().bcp47Name());
}

QString mediumTimeStr(const QDateTime& when, const QString& localeName) {
    return mediumText(when, localeName, icu::DateFormat::kNone);
}

QString mediumDateTimeStr(const QDateTime& when, const QString& localeName) {
    return mediumText(when, localeName, icu::DateFormat::kMedium);
}

}  // namespace dunok
