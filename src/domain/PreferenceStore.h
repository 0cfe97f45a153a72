// The per-user preference store: typed values by key in an INI file.
//
// A fresh process reads every INI value back as text, so each typed read
// converts explicitly and follows one rule for what is missing or unreadable:
// false, 0, 0.0, or no string.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

namespace dunok {

class PreferenceStore {
public:
    // The file $XDG_CONFIG_HOME/Dunok/Dunok.conf (or the given path). The
    // folder and the file are created user-only. A file that cannot be parsed
    // is copied aside to "<file>.unreadable" with a console line saying so, and
    // the store starts empty, so that nothing the user had is lost.
    PreferenceStore();
    explicit PreferenceStore(const QString& path);
    ~PreferenceStore();

    // The file at path as a start would read it, for a reader that must leave
    // the file and its folder exactly as they are: nothing is created or set
    // aside, and nothing can be written. A file that a start would set aside
    // reads as the empty file that start would find (and wasReset() says so).
    static std::unique_ptr<PreferenceStore> forReading(const QString& path);

    static QString defaultPath();
    const QString& path() const { return path_; }
    // Whether the file found at start could not be read and was started anew,
    // and where the user's file was kept then (empty when no copy could be made).
    bool wasReset() const { return reset_; }
    const QString& keptCopy() const { return keptCopy_; }

    bool contains(const QString& key) const;
    // 0 when missing or not a whole number ("42" reads 42, "3.9" reads 3).
    qint64 integer(const QString& key) const;
    // false when missing; "true", "yes" and non-zero numbers read true.
    bool boolean(const QString& key) const;
    // 0.0 when missing or not a number.
    double floating(const QString& key) const;
    // No string when missing.
    std::optional<QString> string(const QString& key) const;

    // Whether the key is there but its text cannot be read as that kind of
    // value: "loud" for a number, "maybe" for a switch. The typed reads above
    // give false, 0 or 0.0 for such text, which the caller may not want.
    enum class Kind { Boolean, Integer, Number };
    bool unreadable(const QString& key, Kind kind) const;
    // The text stored under key, as a fresh process would read it.
    QString text(const QString& key) const;

    void setValue(const QString& key, const QVariant& value);
    // Writes the file; false (with a console line) when it cannot be written.
    bool synchronize();

    // Raw access for the window-frame memory and similar platform state that
    // lives beside the preferences.
    QVariant rawValue(const QString& key) const;

private:
    struct ReadOnly {};
    PreferenceStore(const QString& path, ReadOnly);
    void setAside();
    QVariant value(const QString& key) const;

    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool reset_ = false;
    bool readOnly_ = false;
    QString keptCopy_;
};

}  // namespace dunok
