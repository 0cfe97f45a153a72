// The sheet in which one timer is added or changed: its description, its
// sound, and its duration set either with three sliders or by the moment it
// is to ring.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QStringList>
#include <functional>

#include "domain/Constants.h"
#include "domain/Settings.h"
#include "domain/WallClock.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace dunok {

class CalendarPopover;
class SharedPlayer;
class MonthCalendarView;
class SnoozeField;
class WarningField;
class RoutineField;
class TargetDateEdit;
struct StoreError;

class EditController : public QDialog {
    Q_OBJECT
public:
    // settings: the preferences as the sheet opens (the default sound, the
    // preview's volume); the preview plays through player.
    // What Save hands on: a new timer (id 0) or the edited one with what was
    // typed. It is stored by whoever opened the sheet, which gives a new one
    // its id; false, and why in *error, when the store refused it, and the
    // sheet then stays with what was typed.
    using SaveTimer = std::function<bool(Timer& timer, StoreError* error)>;

    // clock: what "now" is for the target date and the calendar.
    EditController(const Settings& settings, SharedPlayer& player, SaveTimer save, QWidget* parent,
                   const WallClock& clock = systemWallClock());
    ~EditController() override;

    // What "Other sound…" asks for a file with: the file dialog, unless a
    // test answers in its place.
    void setSoundFileChooser(std::function<QString(QWidget*)> choose) {
        chooseSound_ = std::move(choose);
    }

    // Set before the sheet is opened; the controls are filled when it first shows.
    void setAreEditing(bool editing) { areEditing_ = editing; }
    void setCurrentTimer(const Timer& timer) { currentTimer_ = timer; }
    // The timers "When it finishes:" may start (id, description): the list's,
    // but for the one edited.
    void setOtherTimers(const QList<std::pair<TimerId, QString>>& timers);

    // A day picked in the calendar, as the start of that day in the user's
    // time zone.
    void didSelectDate(const QDateTime& date);
    void setVisible(bool visible) override;
    // The duration Save would store, in seconds; none when the timer has none.
    std::optional<qint64> chosenDuration() const { return chosenDuration_; }

signals:
    // A change to the timer being edited was saved (before timersChanged).
    void editSaved(const QString& timerId);
    // The timer was saved: the main window reloads its table.
    void timersChanged();
    // It was saved with "start" on: the timer with that id starts.
    void startRequested(const QString& timerId);
    // Last of all, once the sheet has closed after a save.
    void closedAfterSave();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    QSlider* addSlider(const QString& name, int maximum, QLabel** valueLabel);
    void viewDidLoad();
    void fillSoundList();
    void selectSound(const QString& title);
    void soundActivated(int index);
    void showSliders(qint64 duration);

    // Any slider moved: the three values shown, and the duration they make.
    void slidersMoved();
    void showSliderValues();
    void calcDurationFromSliders();
    void updateDuration();
    void showDurationError(const QString& text);
    void colourDuration();

    void btnPlayPressed();
    void btnSavePressed();
    // The saved timer's id, or empty with why in *error.
    // The typed fields, into the timer to be saved.
    void writeFields(Timer& timer) const;
    // The timer as typed, handed to save_: its id, or empty when refused.
    QString saveTyped(StoreError* error);

    void edDateTimeAltered();
    void typedDateRefused();
    QString skippedTimeText(QDate date, QTime time) const;
    QString unreadableDateText(QDate date, QTime time) const;
    void calcDurationFromPickers();
    void showCalendar();
    void createCalenderPopover();

    const Settings settings_;
    const WallClock& clock_;
    SharedPlayer& player_;
    SaveTimer save_;
    std::function<QString(QWidget*)> chooseSound_;
    std::optional<bool> areEditing_;
    // The duration the sheet works on, in seconds; both of its duration
    // paths write it and Save reads it.
    std::optional<qint64> chosenDuration_;
    std::optional<Timer> currentTimer_;
    bool loaded_ = false;
    bool invalidDuration_ = false;
    QStringList fileArray_;
    QString lastSound_;  // the sound chosen before "Other sound…"
    // The picker's clock fields as the user last set them (or as it opened).
    QDateTime savedTime_;
    const QDateTime dateToUse_;
    CalendarPopover* calendarPopover_ = nullptr;
    MonthCalendarView* calendarView_ = nullptr;

    QLabel* lblMode_ = nullptr;
    QLineEdit* edDescription_ = nullptr;
    QComboBox* pmAlarm_ = nullptr;
    QPushButton* btnPlay_ = nullptr;
    QSlider* slideHours_ = nullptr;
    QSlider* slideMins_ = nullptr;
    QSlider* slideSecs_ = nullptr;
    QLabel* lblHours_ = nullptr;
    QLabel* lblMins_ = nullptr;
    QLabel* lblSecs_ = nullptr;
    QLabel* lblDuration_ = nullptr;
    bool durationError_ = false;  // the line shows an error, in its colour
    TargetDateEdit* edDateTime_ = nullptr;
    QPushButton* btnCalendar_ = nullptr;
    SnoozeField* snooze_ = nullptr;
    WarningField* warning_ = nullptr;
    RoutineField* routine_ = nullptr;
    QCheckBox* cbStart_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

}  // namespace dunok
