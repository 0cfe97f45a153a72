#include "domain/PreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace dunok {

namespace {

constexpr QFile::Permissions userOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions userOnlyFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The preferences may say things about the user's habits, so the folder and
// the file are made readable by the user alone. Existing ones are left as the
// user set them.
bool prepareFile(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (!QDir().mkpath(parent) || !QDir().mkdir(folder, userOnlyFolder)) {
            qWarning(
                "Preferences folder %s could not be created; changed preferences will not "
                "be kept",
                qPrintable(QDir::toNativeSeparators(folder)));
            return false;
        }
    }
    if (!info.exists()) {
        QFile file(path);
        // NewOnly: if another instance made it in the meantime, theirs stays.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, userOnlyFile) && !file.exists()) {
            qWarning(
                "Preferences file %s could not be created (%s); changed preferences will not "
                "be kept",
                qPrintable(QDir::toNativeSeparators(path)), qPrintable(file.errorString()));
            return false;
        }
    }
    return true;
}

// QSettings reads almost anything as INI without complaint, binary junk
// included, and would then write the junk it understood back over the file.
// A file with NUL bytes or that is not UTF-8 text is not ours to rewrite.
bool looksLikeText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;  // unreadable for other reasons: QSettings says
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Keeps the user's unreadable file beside the new one, and leaves an empty
// file in its place so that the defaults start from nothing. Returns the
// copy's path, or nothing when no copy could be made.
QString setAsideFile(const QString& path) {
    const QString copy = path + QStringLiteral(".unreadable");
    QFile::remove(copy);
    const bool kept = QFile::copy(path, copy);
    if (kept) QFile::setPermissions(copy, userOnlyFile);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.close();
    if (kept)
        qWarning(
            "Preferences file %s could not be read; kept a copy at %s and started with the "
            "defaults",
            qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::toNativeSeparators(copy)));
    else
        qWarning(
            "Preferences file %s could not be read, nor copied aside; started with the "
            "defaults",
            qPrintable(QDir::toNativeSeparators(path)));
    return kept ? copy : QString();
}

// What a fresh process would read: the value as INI text. Values set in this
// process come back from QSettings with their own types, so they go through
// text too, and a read never depends on whether the program restarted.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString().trimmed();
}

// A number as written by hand or by us; NaN and infinities are not numbers
// anyone meant.
std::optional<double> numberOf(const QString& text) {
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    return d;
}

bool isWord(const QString& text, const char* word) {
    return text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool booleanOf(const QString& text) {
    if (isWord(text, "true") || isWord(text, "yes")) return true;
    const std::optional<double> d = numberOf(text);
    return d && *d != 0.0;
}

qint64 integerOf(const QString& text) {
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok) return whole;
    // "3.9" reads 3, as a C cast would; anything out of range reads as missing.
    const std::optional<double> d = numberOf(text);
    if (!d || std::fabs(*d) >= 9.2e18) return 0;
    return static_cast<qint64>(*d);
}

bool readsAsBoolean(const QString& text) {
    return isWord(text, "true") || isWord(text, "false") || isWord(text, "yes") ||
           isWord(text, "no") || numberOf(text).has_value();
}

}  // namespace

PreferenceStore::PreferenceStore() : PreferenceStore(defaultPath()) {}

PreferenceStore::PreferenceStore(const QString& path) : path_(path) {
    const bool present = prepareFile(path_);
    if (present && !looksLikeText(path_)) setAside();
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (present && settings_->status() == QSettings::FormatError) {
        settings_.reset();
        setAside();
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    }
}

PreferenceStore::PreferenceStore(const QString& path, ReadOnly) : path_(path), readOnly_(true) {
    if (!QFileInfo(path_).isFile()) return;
    if (looksLikeText(path_)) {
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        if (settings_->status() != QSettings::FormatError) return;
        settings_.reset();
    }
    reset_ = true;
}

std::unique_ptr<PreferenceStore> PreferenceStore::forReading(const QString& path) {
    return std::unique_ptr<PreferenceStore>(new PreferenceStore(path, ReadOnly{}));
}

QVariant PreferenceStore::value(const QString& key) const {
    return settings_ ? settings_->value(key) : QVariant();
}

void PreferenceStore::setAside() {
    reset_ = true;
    keptCopy_ = setAsideFile(path_);
}

PreferenceStore::~PreferenceStore() = default;

QString PreferenceStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Dunok/Dunok.conf");
}

bool PreferenceStore::contains(const QString& key) const {
    return settings_ && settings_->contains(key);
}

qint64 PreferenceStore::integer(const QString& key) const {
    return integerOf(textOf(value(key)));
}

bool PreferenceStore::boolean(const QString& key) const {
    return booleanOf(textOf(value(key)));
}

double PreferenceStore::floating(const QString& key) const {
    return numberOf(textOf(value(key))).value_or(0.0);
}

std::optional<QString> PreferenceStore::string(const QString& key) const {
    const QVariant stored = value(key);
    if (!stored.isValid()) return std::nullopt;
    // An unquoted "a, b" written by hand comes back as a list; it was one string.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

bool PreferenceStore::unreadable(const QString& key, Kind kind) const {
    if (!contains(key)) return false;
    const QString stored = text(key);
    switch (kind) {
        case Kind::Boolean:
            return !readsAsBoolean(stored);
        case Kind::Integer:
        case Kind::Number:
            return !numberOf(stored).has_value();
    }
    return true;
}

QString PreferenceStore::text(const QString& key) const {
    return textOf(value(key));
}

void PreferenceStore::setValue(const QString& key, const QVariant& value) {
    Q_ASSERT(!readOnly_);
    if (!readOnly_) settings_->setValue(key, value);
}

bool PreferenceStore::synchronize() {
    if (readOnly_) return false;
    settings_->sync();
    switch (settings_->status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            qWarning(
                "Preferences could not be written to %s; changes will be lost when Dunok quits",
                qPrintable(QDir::toNativeSeparators(path_)));
            return false;
        case QSettings::FormatError:
            qWarning(
                "Preferences file %s changed into something unreadable while Dunok ran; "
                "changes were not written",
                qPrintable(QDir::toNativeSeparators(path_)));
            return false;
    }
    return false;
}

QVariant PreferenceStore::rawValue(const QString& key) const {
    return value(key);
}

}  // namespace dunok
