// Whether the desktop prefers a dark or a light look, as its settings portal
// says on the session bus, and when the user changes it.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

class QDBusMessage;
class QDBusVariant;
class QVariant;

namespace dunok {

// The portal's own numbers.
enum class ColorScheme { NoPreference = 0, Dark = 1, Light = 2 };

// Something that knows the desktop's colour preference.
class ColorSchemeSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Begins to listen; never waits for an answer.
    virtual void start() = 0;
    virtual ColorScheme scheme() const = 0;

signals:
    void schemeChanged(dunok::ColorScheme scheme);
};

class ColorSchemePortal : public ColorSchemeSource {
    Q_OBJECT
public:
    static inline const QString serviceName = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString objectPath = QStringLiteral("/org/freedesktop/portal/desktop");
    static inline const QString interfaceName = QStringLiteral("org.freedesktop.portal.Settings");
    static inline const QString settingNamespace = QStringLiteral("org.freedesktop.appearance");
    static inline const QString settingKey = QStringLiteral("color-scheme");
    static constexpr int defaultPatienceMs = 300;

    // patienceMs: how long the first answer is waited for before the start
    // goes on as if there were no preference. service: the portal's bus name.
    explicit ColorSchemePortal(QDBusConnection bus, int patienceMs = defaultPatienceMs,
                               const QString& service = serviceName, QObject* parent = nullptr);

    // Asks without waiting and listens for changes from then on.
    void start() override;
    ColorScheme scheme() const override { return scheme_; }
    // The first question has its answer, or none came in time.
    bool settled() const { return settled_; }

    // The scheme in a setting's value, however deep in variants it comes;
    // nothing for a value that is not one.
    static std::optional<ColorScheme> schemeOf(const QVariant& value);

signals:
    void settledChanged();

private slots:
    void settingChanged(const QDBusMessage& signal);

private:
    // Asks with method; a portal that does not know it is asked with
    // otherwise, if given.
    void ask(const QString& method, const QString& otherwise = QString());
    void answered(const QDBusMessage& reply, const QString& otherwise);
    void settle();
    void adopt(ColorScheme scheme);

    QDBusConnection bus_;
    QString service_;
    int patienceMs_;
    ColorScheme scheme_ = ColorScheme::NoPreference;
    bool settled_ = false;
    // A change was heard before the first answer came: that answer is older.
    bool heardChange_ = false;
};

}  // namespace dunok
