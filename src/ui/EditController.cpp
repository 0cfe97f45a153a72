#include "ui/EditController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <tuple>

#include "desktop/Alarm.h"
#include "desktop/ResourceFolder.h"
#include "domain/CountdownText.h"
#include "domain/StoreError.h"
#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "storage/Store.h"
#include "ui/Palettes.h"
#include "ui/RoutineField.h"
#include "ui/SnoozeField.h"
#include "ui/SoundImport.h"
#include "ui/SupMisc.h"
#include "ui/TargetDate.h"
#include "ui/WarningField.h"

namespace dunok {

namespace {
constexpr qint64 secondsPerDay = 86400;
// Marks the sound pop-up's last entry, whatever a sound may be called.
const QString otherSoundItem = QStringLiteral("dunok-other-sound");

QLabel* fieldLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
}  // namespace

EditController::EditController(const Settings& settings, SharedPlayer& player, SaveTimer save,
                               QWidget* parent, const WallClock& clock)
    : QDialog(parent),
      settings_(settings),
      clock_(clock),
      player_(player),
      save_(std::move(save)),
      chooseSound_(chooseSoundFile),
      savedTime_(clock_.now()),
      dateToUse_(clock_.now()) {
    setObjectName(QStringLiteral("EditController"));
    setWindowModality(Qt::WindowModal);
    buildLayout();
}

// Closing the sheet takes the focus from the picker, whose refusal of what
// was typed must not reach an editor that is half gone.
EditController::~EditController() {
    disconnect(edDateTime_, nullptr, this, nullptr);
}

QSlider* EditController::addSlider(const QString& name, int maximum, QLabel** valueLabel) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(0, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(maximum > 23 ? 5 : 1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(maximum > 23 ? 5 : 1);
    auto* label = new QLabel(QStringLiteral("0"));
    label->setObjectName(QStringLiteral("lbl") + name.mid(int(qstrlen("slide"))));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
    *valueLabel = label;
    return slider;
}

void EditController::buildLayout() {
    lblMode_ = new QLabel;
    lblMode_->setObjectName(QStringLiteral("lblMode"));
    QFont headingFont = lblMode_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    lblMode_->setFont(headingFont);

    edDescription_ = new QLineEdit;
    edDescription_->setObjectName(QStringLiteral("edDescription"));
    edDescription_->setAccessibleName(tr("Description"));
    edDescription_->setMinimumWidth(edDescription_->fontMetrics().averageCharWidth() * 40);

    pmAlarm_ = new QComboBox;
    pmAlarm_->setObjectName(QStringLiteral("pmAlarm"));
    pmAlarm_->setAccessibleName(tr("Alarm sound"));
    btnPlay_ = new QPushButton(tr("Play"));
    btnPlay_->setObjectName(QStringLiteral("btnPlay"));
    btnPlay_->setAccessibleName(tr("Play or stop the sound"));
    btnPlay_->setToolTip(tr("Plays the chosen sound, or stops a sound that is playing"));

    slideHours_ = addSlider(QStringLiteral("slideHours"), 23, &lblHours_);
    slideMins_ = addSlider(QStringLiteral("slideMins"), 59, &lblMins_);
    slideSecs_ = addSlider(QStringLiteral("slideSecs"), 59, &lblSecs_);
    slideHours_->setAccessibleName(tr("Hours"));
    slideMins_->setAccessibleName(tr("Minutes"));
    slideSecs_->setAccessibleName(tr("Seconds"));

    lblDuration_ = new QLabel;
    // Its own colour follows a dark or light switch.
    whenPaletteSwitches(lblDuration_, [this] { colourDuration(); });
    lblDuration_->setObjectName(QStringLiteral("lblDuration"));
    // Named by what it shows, the duration or the error; "Duration:" beside it
    // labels it.
    // Wide enough for either error text, so the fixed-size sheet never clips it.
    edDateTime_ = new TargetDateEdit(clock_.timeZone());
    const QFontMetrics metrics = lblDuration_->fontMetrics();
    const QDate longDate(2027, 9, 28);
    const QTime longTime(23, 59);
    lblDuration_->setMinimumWidth(
        std::max({metrics.horizontalAdvance(tr("Duration must not be zero.")),
                  metrics.horizontalAdvance(tr("Date must be in the future.")),
                  metrics.horizontalAdvance(skippedTimeText(longDate, longTime)),
                  metrics.horizontalAdvance(unreadableDateText(longDate, longTime)),
                  metrics.horizontalAdvance(QStringLiteral("9999d  23h  59m 59s"))}));
    edDateTime_->setObjectName(QStringLiteral("edDateTime"));
    edDateTime_->setAccessibleName(tr("Ring at date and time"));
    btnCalendar_ = new QPushButton(tr("Calendar"));
    btnCalendar_->setObjectName(QStringLiteral("btnCalendar"));
    btnCalendar_->setAccessibleName(tr("Pick a day from the calendar"));

    snooze_ = new SnoozeField(this);
    warning_ = new WarningField(this);
    routine_ = new RoutineField(this);

    cbStart_ = new QCheckBox(tr("Start"));
    cbStart_->setObjectName(QStringLiteral("cbStart"));
    cbStart_->setAccessibleName(tr("Start the timer when saved"));

    btnClose_ = new QPushButton(tr("Close"));
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnSave_ = new QPushButton(tr("Save"));
    btnSave_->setObjectName(QStringLiteral("btnSave"));
    btnSave_->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(fieldLabel(tr("Description:"), edDescription_), 0, 0);
    grid->addWidget(edDescription_, 0, 1, 1, 3);
    grid->addWidget(fieldLabel(tr("Sound:"), pmAlarm_), 1, 0);
    grid->addWidget(pmAlarm_, 1, 1, 1, 2);
    grid->addWidget(btnPlay_, 1, 3);
    const std::tuple<QString, QSlider*, QLabel*> sliderRows[] = {
        {tr("Hours:"), slideHours_, lblHours_},
        {tr("Minutes:"), slideMins_, lblMins_},
        {tr("Seconds:"), slideSecs_, lblSecs_}};
    int row = 2;
    for (const auto& [title, slider, value] : sliderRows) {
        grid->addWidget(fieldLabel(title, slider), row, 0);
        grid->addWidget(slider, row, 1, 1, 2);
        grid->addWidget(value, row++, 3);
    }
    grid->addWidget(fieldLabel(tr("Duration:"), lblDuration_), 5, 0);
    grid->addWidget(lblDuration_, 5, 1, 1, 3);
    grid->addWidget(fieldLabel(tr("Ring at:"), edDateTime_), 6, 0);
    grid->addWidget(edDateTime_, 6, 1, 1, 2);
    grid->addWidget(btnCalendar_, 6, 3);
    grid->addWidget(snooze_->cbSnooze(), 7, 1);
    grid->addWidget(snooze_->spinSnooze(), 7, 2);
    grid->addWidget(fieldLabel(tr("Warn before the end:"), warning_->pmWarn()), 8, 0);
    grid->addWidget(warning_->pmWarn(), 8, 1);
    grid->addWidget(fieldLabel(tr("When it finishes:"), routine_->pmThen()), 9, 0);
    grid->addWidget(routine_->pmThen(), 9, 1);
    grid->addWidget(routine_->spinRounds(), 9, 2);
    grid->addWidget(routine_->lblTimes(), 9, 3);
    grid->addWidget(routine_->lblNote(), 10, 1, 1, 3);
    grid->addWidget(cbStart_, 11, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose_);
    buttons->addWidget(btnSave_);

    auto* root = new QVBoxLayout(this);
    root->addWidget(lblMode_);
    root->addLayout(grid);
    root->addLayout(buttons);

    // Top to bottom, as the user reads the sheet; Save last.
    QWidget* order[] = {edDescription_,
                        pmAlarm_,
                        btnPlay_,
                        slideHours_,
                        slideMins_,
                        slideSecs_,
                        edDateTime_,
                        btnCalendar_,
                        snooze_->cbSnooze(),
                        snooze_->spinSnooze(),
                        warning_->pmWarn(),
                        routine_->pmThen(),
                        routine_->spinRounds(),
                        cbStart_,
                        btnClose_,
                        btnSave_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(btnPlay_, &QPushButton::clicked, this, &EditController::btnPlayPressed);
    connect(pmAlarm_, &QComboBox::activated, this, &EditController::soundActivated);
    for (QSlider* slider : {slideHours_, slideMins_, slideSecs_})
        connect(slider, &QSlider::valueChanged, this, &EditController::slidersMoved);
    connect(edDateTime_, &QDateTimeEdit::dateTimeChanged, this, &EditController::edDateTimeAltered);
    connect(edDateTime_, &TargetDateEdit::textRefused, this, &EditController::typedDateRefused);
    connect(btnCalendar_, &QPushButton::clicked, this, &EditController::showCalendar);
    connect(btnSave_, &QPushButton::clicked, this, &EditController::btnSavePressed);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
}

// The caller sets areEditing and the timer after making the sheet, so the
// controls are filled when it is first shown rather than in the constructor
// (and before the window takes its size from them).
void EditController::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        viewDidLoad();
        edDescription_->setFocus();
    }
    QDialog::setVisible(visible);
}

void EditController::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setFixedSize(size());  // a sheet keeps the size its layout gives it
}

void EditController::viewDidLoad() {
    fillSoundList();

    const bool editing = areEditing_.value_or(false);
    if (editing && currentTimer_) {
        lblMode_->setText(tr("Edit timer"));
        const QString description = currentTimer_->desc;
        // A line edit keeps 32767 characters by default; a longer stored
        // description would be cut short by a save that only meant to change
        // the duration.
        edDescription_->setMaxLength(std::max(
            edDescription_->maxLength(), int(std::min<qsizetype>(description.size(), INT_MAX))));
        edDescription_->setText(description);
        // As the list shows it: clamped to what a timer can run for.
        chosenDuration_ = currentTimer_->duration;
        updateDuration();
        // An empty stored sound would leave the pop-up blank; offer the default.
        const QString sound = currentTimer_->sound;
        selectSound(sound.isEmpty() ? settings_.defSound.value_or(Constants::defSound) : sound);
        snooze_->load(*currentTimer_);
        warning_->load(*currentTimer_);
        routine_->load(*currentTimer_);
        cbStart_->setChecked(false);
    } else {
        lblMode_->setText(tr("Add timer"));
        edDescription_->clear();
        chosenDuration_ = defDuration;
        updateDuration();
        selectSound(settings_.defSound.value_or(Constants::defSound));
        snooze_->load(Timer());
        warning_->load(Timer());
        routine_->load(Timer());
        cbStart_->setChecked(true);
    }
    setWindowTitle(lblMode_->text());

    const qint64 d = chosenDuration_.value_or(0);
    showSliders(d);

    // The picker shows when the timer would ring; its path runs only once the
    // user touches it, so the sliders' result stands.
    const QSignalBlocker blocker(edDateTime_);
    edDateTime_->setMoment(clock_.now().addSecs(d));
    savedTime_ = edDateTime_->dateTime();
}

// Each sound's whole base name is its entry, so every entry plays its own file.
void EditController::fillSoundList() {
    pmAlarm_->clear();
    fileArray_ = player_.sounds().names();
    if (fileArray_.isEmpty())
        qWarning().noquote() << "No sound files in" << player_.sounds().shippedFolder();
    pmAlarm_->addItems(fileArray_);
    pmAlarm_->insertSeparator(pmAlarm_->count());
    pmAlarm_->addItem(tr("Other sound…"), otherSoundItem);
}

// "Other sound…" asks for a file and, once it is copied in, selects it; a
// refused file is named in an alert, and the sound chosen before stays.
void EditController::soundActivated(int index) {
    if (pmAlarm_->itemData(index) != otherSoundItem) {
        lastSound_ = pmAlarm_->itemText(index);
        return;
    }
    QString chosen = lastSound_;
    if (const QString path = chooseSound_(this); !path.isEmpty()) {
        const SoundImport added = importSound(path, player_.sounds());
        if (added.name.isEmpty())
            msgUser(tr("Could not add the sound."), added.error, this);
        else
            chosen = added.name;
    }
    fillSoundList();
    selectSound(chosen);
}

// As a pop-up button's title: select the entry with that text, or put one in
// first (a stored sound whose file is gone stays the timer's sound).
void EditController::selectSound(const QString& title) {
    int index = pmAlarm_->findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        pmAlarm_->insertItem(0, title);
        index = 0;
    }
    pmAlarm_->setCurrentIndex(index);
    lastSound_ = title;
}

// The sliders reach only 23:59:59. A timer of a day or more keeps its whole
// duration: the sliders are disabled and show the part below a day, but the
// slider rule is not applied to them, since that would cut a two-day timer to
// its remainder (or refuse a whole number of days as zero) while the user
// only meant to fix its description. The date picker still changes it.
void EditController::showSliders(qint64 d) {
    const bool belowDay = d < secondsPerDay;
    const qint64 r = d % secondsPerDay;
    {
        const QSignalBlocker h(slideHours_), m(slideMins_), s(slideSecs_);
        slideHours_->setValue(int(r / 3600));
        slideMins_->setValue(int(r % 3600 / 60));
        slideSecs_->setValue(int(r % 3600 % 60));
    }
    for (QSlider* slider : {slideHours_, slideMins_, slideSecs_}) {
        slider->setEnabled(belowDay);
        slider->setToolTip(belowDay ? QString()
                                    : tr("A duration of a day or more is set with the date "
                                         "and time below."));
    }
    if (belowDay) {
        slidersMoved();
    } else {
        showSliderValues();
        invalidDuration_ = false;
        updateDuration();
    }
}

void EditController::showSliderValues() {
    lblHours_->setNum(slideHours_->value());
    lblMins_->setNum(slideMins_->value());
    lblSecs_->setNum(slideSecs_->value());
}

void EditController::slidersMoved() {
    showSliderValues();
    calcDurationFromSliders();
}

void EditController::calcDurationFromSliders() {
    const qint64 t =
        qint64(slideHours_->value()) * 3600 + slideMins_->value() * 60 + slideSecs_->value();
    if (t < 1) {
        showDurationError(tr("Duration must not be zero."));
        invalidDuration_ = true;
        return;
    }
    invalidDuration_ = false;
    chosenDuration_ = t;
    updateDuration();
}

void EditController::updateDuration() {
    durationError_ = false;
    colourDuration();
    lblDuration_->setText(toDHMS(chosenDuration_.value_or(0)));
}

void EditController::showDurationError(const QString& text) {
    durationError_ = true;
    colourDuration();
    lblDuration_->setText(text);
}

void EditController::colourDuration() {
    const DurationColors colors = durationColors(applicationIsDark());
    QPalette palette = lblDuration_->palette();
    const QColor wanted = durationError_ ? colors.error : colors.valid;
    if (palette.color(QPalette::WindowText) == wanted &&
        palette.isBrushSet(QPalette::Active, QPalette::WindowText))
        return;
    palette.setColor(QPalette::WindowText, wanted);
    lblDuration_->setPalette(palette);
}

// A press stops whatever the shared player is playing (a preview or a
// ringing alarm) before it would start anything.
void EditController::btnPlayPressed() {
    if (player_.isPlaying()) {
        player_.stop();
        return;
    }
    if (pmAlarm_->currentIndex() < 0) return;
    const QString name = pmAlarm_->currentText();
    // The console gets the reason; the user, who pressed play, gets told too.
    if (!player_.play(name, settings_))
        msgUser(tr("Sound not found."),
                tr("There is no sound file named \"%1\". The timer keeps this sound, but it "
                   "will ring silently.")
                    .arg(name),
                this);
}

void EditController::btnSavePressed() {
    if (invalidDuration_) {
        msgUser(tr("Invalid duration."),
                tr("Duration cannot be zero, or date and time must not be in the past."), this);
        return;
    }
    if (edDescription_->text().trimmed().isEmpty()) {
        msgUser(tr("Missing description."), tr("You need to provide a description"), this);
        return;
    }
    if (const QString problem = snooze_->problem(); !problem.isEmpty()) {
        msgUser(tr("Invalid snooze length."), problem, this);
        return;
    }

    StoreError error;
    const QString id = saveTyped(&error);
    if (id.isEmpty()) {
        // The sheet stays with what was typed, so that nothing is lost.
        msgUser(tr("Could not save the timer."),
                storeTroubleText(error, tr("Nothing was saved and what you typed is still here. "
                                           "Try Save again.")),
                this);
        return;
    }
    if (areEditing_.value_or(false)) emit editSaved(id);
    emit timersChanged();
    if (cbStart_->isChecked()) {
        emit startRequested(id);
    }
    accept();
    emit closedAfterSave();
}

void EditController::writeFields(Timer& timer) const {
    timer.desc = edDescription_->text();
    timer.duration = chosenDuration_.value_or(0);
    timer.sound = pmAlarm_->currentIndex() >= 0 ? pmAlarm_->currentText() : QString();
    snooze_->write(timer);
    warning_->write(timer);
    routine_->write(timer);
}

void EditController::setOtherTimers(const QList<std::pair<TimerId, QString>>& timers) {
    routine_->setOtherTimers(timers);
}

QString EditController::saveTyped(StoreError* error) {
    const bool editing = areEditing_.value_or(false);
    if (editing && !currentTimer_) return QString();
    Timer timer = editing ? *currentTimer_ : Timer();
    writeFields(timer);
    if (!save_ || !save_(timer, error)) return QString();
    if (editing) currentTimer_ = timer;
    return timerId(timer);
}

}  // namespace dunok
