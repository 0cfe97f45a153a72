#include "ui/PrefsController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "desktop/Autostart.h"
#include "domain/Constants.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "ui/MessageBox.h"

namespace dunok {

namespace {
constexpr int digitsItem = 0;
}

PrefsController::PrefsController(Preferences& prefs, QWidget* parent)
    : QDialog(parent), prefs_(prefs) {
    setObjectName(QStringLiteral("PrefsController"));
    setWindowTitle(tr("Preferences"));
    buildLayout();

    connect(slideVol_, &QSlider::valueChanged, this, &PrefsController::updateVolLabel);
    // clicked and activated come from the user only, not from filling the
    // controls below.
    connect(cbLargeRows_, &QCheckBox::clicked, this, [this] { needToUpdateTable_ = true; });
    connect(pmCountDown_, &QComboBox::activated, this, &PrefsController::pmCountDownClicked);
    connect(btnSave_, &QPushButton::clicked, this, &PrefsController::btnSavePressed);
    connect(btnClose_, &QPushButton::clicked, this, &PrefsController::btnClosePressed);

    // Each opening makes a new sheet, so filling it once here is filling it
    // every time it appears.
    viewWillAppear();
}

QCheckBox* PrefsController::makeCheckBox(const QString& name, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setAccessibleName(text);
    return box;
}

void PrefsController::buildLayout() {
    slideVol_ = new QSlider(Qt::Horizontal, this);
    slideVol_->setObjectName(QStringLiteral("slideVol"));
    slideVol_->setAccessibleName(tr("Alarm volume"));
    // Tenths of the full volume: 0 to 10 covers 0.0 to 1.0.
    slideVol_->setRange(0, 10);
    slideVol_->setSingleStep(1);
    slideVol_->setPageStep(2);
    slideVol_->setTickInterval(1);
    slideVol_->setTickPosition(QSlider::TicksBelow);
    lblVol_ = new QLabel(this);
    lblVol_->setObjectName(QStringLiteral("lblVol"));
    // A screen reader reads the percentage itself; the slider is named.
    // Wide enough for "100%", so the slider does not shift as the number grows.
    lblVol_->setMinimumWidth(lblVol_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);

    pmCountDown_ = new QComboBox(this);
    pmCountDown_->setObjectName(QStringLiteral("pmCountDown"));
    pmCountDown_->setAccessibleName(tr("Countdown format"));
    pmCountDown_->addItem(tr("Clock digits (01:05:30)"));
    pmCountDown_->addItem(tr("Unit letters (1h 5m 30s)"));

    cbHideWhenTimerStarts_ = makeCheckBox(QStringLiteral("cbHideWhenTimerStarts"),
                                          tr("Close the window when a timer starts"));
    cbBringToFront_ = makeCheckBox(QStringLiteral("cbBringToFront"),
                                   tr("Bring Dunok to the front when a timer finishes"));
    cbSendNotification_ = makeCheckBox(QStringLiteral("cbSendNotification"),
                                       tr("Send a notification when a timer finishes"));
    cbLargeRows_ = makeCheckBox(QStringLiteral("cbLargeRows"), tr("Large rows"));
    cbQuietWithMouse_ = makeCheckBox(QStringLiteral("cbQuietWithMouse"),
                                     tr("Silence the alarm when the mouse moves"));
    cbFadeIn_ = makeCheckBox(QStringLiteral("cbFadeIn"), tr("Fade the alarm in"));
    cbCountUp_ = makeCheckBox(QStringLiteral("cbCountUp"), tr("Count up after a timer finishes"));
    cbRepeatAlarm_ =
        makeCheckBox(QStringLiteral("cbRepeatAlarm"), tr("Repeat the alarm until it is silenced"));
    pmRepeatLimit_ = new QComboBox(this);
    pmRepeatLimit_->setObjectName(QStringLiteral("pmRepeatLimit"));
    pmRepeatLimit_->setAccessibleName(tr("Repeat the alarm for at most"));
    for (const int minutes : repeatLimitChoices)
        pmRepeatLimit_->addItem(minutes == 1 ? tr("1 minute") : tr("%1 minutes").arg(minutes),
                                minutes);
    connect(cbRepeatAlarm_, &QCheckBox::toggled, pmRepeatLimit_, &QWidget::setEnabled);
    cbKeepTimers_ =
        makeCheckBox(QStringLiteral("cbKeepTimers"), tr("Keep running timers across restarts"));
    cbStartAtLogin_ =
        makeCheckBox(QStringLiteral("cbStartAtLogin"), tr("Start Dunok when I log in"));

    btnClose_ = new QPushButton(tr("Close"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnSave_ = new QPushButton(tr("Save"), this);
    btnSave_->setObjectName(QStringLiteral("btnSave"));
    btnSave_->setDefault(true);

    auto* volume = new QHBoxLayout;
    volume->addWidget(slideVol_, 1);
    volume->addWidget(lblVol_);
    auto* form = new QFormLayout;
    form->addRow(tr("&Volume:"), volume);
    form->addRow(tr("&Countdown:"), pmCountDown_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose_);
    buttons->addWidget(btnSave_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* box : {cbHideWhenTimerStarts_, cbBringToFront_, cbSendNotification_,
                           cbLargeRows_, cbQuietWithMouse_, cbFadeIn_, cbRepeatAlarm_})
        layout->addWidget(box);
    auto* limit = new QFormLayout;
    limit->setContentsMargins(24, 0, 0, 0);  // under the box it belongs to
    limit->addRow(tr("For at &most:"), pmRepeatLimit_);
    layout->addLayout(limit);
    layout->addWidget(cbCountUp_);
    layout->addWidget(cbKeepTimers_);
    layout->addWidget(cbStartAtLogin_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The form's labels carry the mnemonics of the controls beside them.
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(volume)))
        label->setBuddy(slideVol_);

    QWidget* order[] = {slideVol_,         pmCountDown_,        cbHideWhenTimerStarts_,
                        cbBringToFront_,   cbSendNotification_, cbLargeRows_,
                        cbQuietWithMouse_, cbFadeIn_,           cbRepeatAlarm_,
                        pmRepeatLimit_,    cbCountUp_,          cbKeepTimers_,
                        cbStartAtLogin_,   btnClose_,           btnSave_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void PrefsController::viewWillAppear() {
    const Settings& settings = prefs_.settings();
    cbHideWhenTimerStarts_->setChecked(settings.hideWhenTimerStarts);
    cbBringToFront_->setChecked(settings.bringToFront);
    cbSendNotification_->setChecked(settings.sendNotification);
    cbLargeRows_->setChecked(settings.largeRows);
    cbQuietWithMouse_->setChecked(settings.quietWithMouse);
    cbFadeIn_->setChecked(settings.fadeIn);
    cbCountUp_->setChecked(settings.countUp);
    // Truncated toward zero: a volume of 0.55 shows as 5.
    slideVol_->setValue(static_cast<int>(settings.volume * 10.0));
    updateVolLabel();
    pmCountDown_->setCurrentIndex(settings.countdownDigits ? digitsItem : 1);
    cbRepeatAlarm_->setChecked(settings.repeatAlarm);
    pmRepeatLimit_->setCurrentIndex(pmRepeatLimit_->findData(settings.repeatLimitMinutes));
    pmRepeatLimit_->setEnabled(settings.repeatAlarm);
    cbKeepTimers_->setChecked(settings.keepTimers);
    // The entry in the autostart folder is the setting: removed or switched
    // off elsewhere, the box shows it.
    cbStartAtLogin_->setChecked(startsAtLogin());
}

void PrefsController::updateVolLabel() {
    lblVol_->setText(QString::number(slideVol_->value() * 10) + QStringLiteral("%"));
}

// Takes effect at once, also if the sheet is then closed without saving;
// only Save writes it to the store.
void PrefsController::pmCountDownClicked(int index) {
    Settings settings = prefs_.settings();
    settings.countdownDigits = index == digitsItem;
    prefs_.changeForThisRun(settings);
}

void PrefsController::btnSavePressed() {
    // First, since it alone can fail: the sheet then stays open with
    // everything the user set, and nothing is saved yet.
    if (cbStartAtLogin_->isChecked() != startsAtLogin()) {
        QString error;
        if (!setStartsAtLogin(cbStartAtLogin_->isChecked(), &error)) {
            qWarning().noquote() << error;
            MessageBox::runModal(
                {QMessageBox::Warning,
                 QStringLiteral("Dunok"),
                 cbStartAtLogin_->isChecked()
                     ? tr("Dunok could not be set to start when you log in.")
                     : tr("Dunok could not be kept from starting when you log in."),
                 error,
                 {tr("OK")},
                 QString()},
                this);
            return;
        }
    }
    Settings settings = prefs_.settings();
    settings.bringToFront = cbBringToFront_->isChecked();
    settings.sendNotification = cbSendNotification_->isChecked();
    settings.volume = slideVol_->value() / 10.0;
    settings.hideWhenTimerStarts = cbHideWhenTimerStarts_->isChecked();
    settings.largeRows = cbLargeRows_->isChecked();
    settings.quietWithMouse = cbQuietWithMouse_->isChecked();
    settings.fadeIn = cbFadeIn_->isChecked();
    settings.countUp = cbCountUp_->isChecked();
    settings.countdownDigits = pmCountDown_->currentIndex() == digitsItem;
    settings.repeatAlarm = cbRepeatAlarm_->isChecked();
    settings.repeatLimitMinutes = pmRepeatLimit_->currentData().toInt();
    settings.keepTimers = cbKeepTimers_->isChecked();
    // The running timers are written, or forgotten, at once.
    if (settings.keepTimers != prefs_.settings().keepTimers) needToUpdateTable_ = true;
    // Only what the sheet shows: the sort and the first-run marks are not its
    // own. A file that cannot be written has said so on the console; the new
    // settings still hold for this run.
    prefs_.change(settings,
                  {PrefKeys::bringToFront, PrefKeys::sendNotification, PrefKeys::volume,
                   PrefKeys::hideWhenTimerStarts, PrefKeys::largeRows, PrefKeys::quietWithMouse,
                   PrefKeys::countdownDigits, PrefKeys::repeatAlarm, PrefKeys::repeatLimit,
                   PrefKeys::keepTimers, PrefKeys::fadeIn, PrefKeys::countUp});

    if (needToUpdateTable_) emit preferencesChanged();
    accept();
}

void PrefsController::btnClosePressed() {
    reject();
}

}  // namespace dunok
