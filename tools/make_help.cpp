// Builds Dunok's user guide: the HTML text in resources/help with pictures of
// the real window, laid out on A4 pages and written as one PDF.
//
//   dunok_make_help GUIDE.html OUT.pdf
//
// The guide names its pictures as images: <img src="window:list"> for a view
// of the window taken here, <img src="icon:img_add"> for one of the compiled-in
// images. A name that is not known fails the build, so that a guide never
// ships with a hole where a picture should be.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <memory>

#include "desktop/Alarm.h"
#include "desktop/NamedImage.h"
#include "domain/Constants.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "domain/Translations.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"
#include "ui/AddMultipleController.h"
#include "ui/CalendarPopover.h"
#include "ui/MainWindow.h"
#include "ui/Sheets.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;

namespace {

// The window's own console lines (no session bus here, an offscreen screen
// that cannot raise windows) tell the builder nothing; real trouble still shows.
void quietConsole(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void fail(const QString& text) {
    std::fprintf(stderr, "dunok_make_help: %s\n", qPrintable(text));
}

// The main window as a new user first sees it, over a store and preferences
// of its own in a temporary folder, so that the builder's own timers and
// settings are neither shown nor touched.
class Stage {
public:
    explicit Stage(const QString& folder)
        : prefs_(std::make_unique<PreferenceStore>(folder + QStringLiteral("/Dunok.conf"))),
          settings_(std::make_unique<Preferences>(prefs_.get())),
          store_(std::make_unique<TimerStore>()) {
        StoreError error;
        if (!store_->open(folder + QStringLiteral("/TimerModel.sqlite"), &error))
            qFatal("store: %s", qPrintable(error.consoleText()));
        window_ = std::make_unique<MainWindow>(*settings_, player_, *store_);
        // A little shorter than a new window: twelve rows tell the story.
        window_->resize(460, 560);
        window_->show();
        settle();
    }

    ~Stage() {
        window_.reset();
        settle();
    }

    MainWindow& window() { return *window_; }
    ViewController& view() { return *window_->viewController(); }

    // A ready-made timer by its English name: stored, as for a new user, in
    // the guide's language.
    int rowOf(const char* description) const {
        const QString stored = QCoreApplication::translate("TimerList", description);
        const TimerList& timers = window_->viewController()->timers();
        for (int row = 0; row < timers.size(); ++row)
            if (timers.at(row).desc == stored) return row;
        qFatal("no default timer \"%s\"", qPrintable(stored));
    }

    // Lets layouts, deferred deletes and repaints catch up before a picture.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    std::unique_ptr<PreferenceStore> prefs_;
    std::unique_ptr<Preferences> settings_;
    SharedPlayer player_;
    std::unique_ptr<TimerStore> store_;
    std::unique_ptr<MainWindow> window_;
};

template <typename T>
T* child(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

QImage grabbed(QWidget* widget) {
    Stage::settle();
    return widget->grab().toImage();
}

// Three timers going, one of them paused, as they look a little after their start.
QImage runningTimers(Stage& stage) {
    TimerEngine* engine = stage.view().engine();
    const int tea = stage.rowOf("3 minutes");
    const int pasta = stage.rowOf("10 minutes");
    const int focus = stage.rowOf("25 minutes");
    const TimerList& timers = stage.view().timers();
    for (int row : {tea, pasta, focus}) engine->toggle(timerId(timers.at(row)));
    // The tick handler is what the one-second timers call: no waiting here.
    const auto tick = [&](int row, int seconds) {
        const QString id = timerId(timers.at(row));
        for (int i = 0; i < seconds; ++i) engine->tick(id);
    };
    tick(tea, 47);
    tick(pasta, 382);
    tick(focus, 611);
    engine->pauseOrResume(timerId(timers.at(focus)));
    stage.view().myTable()->selectRowExactly(pasta);
    const QImage picture = grabbed(&stage.window());
    engine->stopAll();
    stage.view().myTable()->clearSelection();
    return picture;
}

void addEditorPictures(Stage& stage, QHash<QString, QImage>& pictures) {
    QDialog* editor = stage.view().sheets()->addTimer(&stage.window());
    Stage::settle();
    child<QLineEdit>(editor, QStringLiteral("edDescription"))->setText(QStringLiteral("Tea"));
    child<QSlider>(editor, QStringLiteral("slideMins"))->setValue(3);
    child<QSlider>(editor, QStringLiteral("slideSecs"))->setValue(30);
    pictures.insert(QStringLiteral("editor"), grabbed(editor));

    child<QPushButton>(editor, QStringLiteral("btnCalendar"))->click();
    auto* popover = editor->findChild<CalendarPopover*>();
    if (!popover || !popover->isVisible()) qFatal("the calendar did not open");
    pictures.insert(QStringLiteral("calendar"), grabbed(popover));
    popover->hide();
    editor->reject();
    Stage::settle();
}

QImage addMultipleSheet(Stage& stage) {
    auto* sheet = qobject_cast<AddMultipleController*>(
        stage.view().sheets()->addMultipleTimers(&stage.window()));
    if (!sheet) qFatal("the add-multiple sheet did not open");
    Stage::settle();
    const QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("1:30"), QStringLiteral("Soft-boiled egg")},
        {QStringLiteral("90s"), QStringLiteral("Stretch")},
        {QStringLiteral("1h 5m"), QStringLiteral("Bread in the oven")},
        {QStringLiteral("2 hours"), QStringLiteral("Parking")},
    };
    TimerRowsTable* table = sheet->theTable();
    for (int i = 0; i < rows.size(); ++i) {
        if (i >= table->rowCount()) table->addRow();
        table->timeField(i)->setText(rows[i].first);
        table->descriptionField(i)->setText(rows[i].second);
    }
    const QImage picture = grabbed(sheet);
    sheet->reject();
    Stage::settle();
    return picture;
}

QImage preferencesSheet(Stage& stage) {
    QDialog* sheet = stage.view().sheets()->showPreferences(&stage.window());
    const QImage picture = grabbed(sheet);
    sheet->reject();
    Stage::settle();
    return picture;
}

QHash<QString, QImage> windowPictures(const QString& folder) {
    QHash<QString, QImage> pictures;
    Stage stage(folder);
    pictures.insert(QStringLiteral("list"), grabbed(&stage.window()));
    pictures.insert(QStringLiteral("running"), runningTimers(stage));
    addEditorPictures(stage, pictures);
    pictures.insert(QStringLiteral("addmultiple"), addMultipleSheet(stage));
    pictures.insert(QStringLiteral("preferences"), preferencesSheet(stage));
    return pictures;
}

// Puts every picture the guide names into the document; false if one is unknown.
bool addPictures(QTextDocument& doc, const QString& html, const QHash<QString, QImage>& windows) {
    static const QRegularExpression source(QStringLiteral("src=\"(window|icon):([A-Za-z0-9_]+)\""));
    bool complete = true;
    for (const QRegularExpressionMatch& m : source.globalMatch(html)) {
        const QString kind = m.captured(1);
        const QString name = m.captured(2);
        QImage image;
        if (kind == QLatin1String("window"))
            image = windows.value(name);
        else
            image = namedImage(name).pixmap(QSize(128, 128)).toImage();
        if (image.isNull()) {
            fail(QStringLiteral("the guide asks for %1:%2, which there is no picture of")
                     .arg(kind, name));
            complete = false;
            continue;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(kind + QLatin1Char(':') + name), image);
    }
    return complete;
}

const char* styleSheet() {
    return "body { color: #222222; }"
           "h1 { font-size: 22pt; color: #17706c; margin-bottom: 4px; }"
           "h2 { font-size: 14pt; color: #17706c; margin-top: 18px; margin-bottom: 4px; }"
           "h3 { font-size: 11pt; margin-top: 10px; margin-bottom: 2px; }"
           "p, li { margin-top: 3px; margin-bottom: 3px; }"
           "p.caption { font-size: 8.5pt; color: #555555; margin-bottom: 10px; }"
           "th { background-color: #e4f2f1; text-align: left; }"
           "td, th { padding: 3px 6px; }"
           "code, kbd { font-family: 'DejaVu Sans Mono', monospace; }";
}

bool writePdf(QTextDocument& doc, const QString& out) {
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1: %2").arg(out, file.errorString()));
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Dunok Help"));
        writer.setCreator(QStringLiteral("Dunok ") + QStringLiteral(DUNOK_VERSION));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        // The text keeps a margin of its own (and the page numbers go in it).
        writer.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
        doc.print(&writer);
    }
    if (file.size() == 0) {
        fail(QStringLiteral("nothing was printed to %1").arg(out));
        return false;
    }
    return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    // No screen is needed, and the pictures are drawn at twice the pixels so
    // that they stay sharp on paper.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    // The guide's language (English unless a third argument names another),
    // and so the texts, dates and times in its pictures.
    const QByteArray language = argc > 3 ? QByteArray(argv[3]) : QByteArray("en_US");
    qputenv("LC_ALL", language + ".UTF-8");
    qputenv("LANG", language + ".UTF-8");
    qunsetenv("LANGUAGE");
    // A build must not talk to the builder's desktop session (the window asks
    // it not to idle while Dunok runs).
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    qInstallMessageHandler(quietConsole);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dunok"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dunok"));
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s GUIDE.html OUT.pdf [LANGUAGE]\n", argv[0]);
        return 2;
    }
    QLocale::setDefault(QLocale(QString::fromLatin1(language)));
    dunok::installTranslations(app, QLocale(QString::fromLatin1(language)));
    const QString guidePath = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);

    QFile guide(guidePath);
    if (!guide.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(guidePath));
        return 1;
    }
    QString html = QString::fromUtf8(guide.readAll());
    html.replace(QStringLiteral("@VERSION@"), QStringLiteral(DUNOK_VERSION));

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        fail(QStringLiteral("no temporary folder"));
        return 1;
    }
    const QHash<QString, QImage> pictures = windowPictures(scratch.path());

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QString::fromLatin1(styleSheet()));
    if (!addPictures(doc, html, pictures)) return 1;
    doc.setHtml(html);
    QDir().mkpath(QFileInfo(out).absolutePath());
    return writePdf(doc, out) ? 0 : 1;
}
