// The preferences sheet: shows the program's settings and, on Save, changes
// them for the run and in the preferences file.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace dunok {

class Preferences;

class PrefsController : public QDialog {
    Q_OBJECT
public:
    explicit PrefsController(Preferences& prefs, QWidget* parent = nullptr);

    QCheckBox* cbHideWhenTimerStarts() const { return cbHideWhenTimerStarts_; }
    QCheckBox* cbBringToFront() const { return cbBringToFront_; }
    QCheckBox* cbSendNotification() const { return cbSendNotification_; }
    QCheckBox* cbLargeRows() const { return cbLargeRows_; }
    QCheckBox* cbQuietWithMouse() const { return cbQuietWithMouse_; }
    QSlider* slideVol() const { return slideVol_; }
    QLabel* lblVol() const { return lblVol_; }
    QComboBox* pmCountDown() const { return pmCountDown_; }
    QCheckBox* cbRepeatAlarm() const { return cbRepeatAlarm_; }
    QCheckBox* cbFadeIn() const { return cbFadeIn_; }
    QCheckBox* cbCountUp() const { return cbCountUp_; }
    QComboBox* pmRepeatLimit() const { return pmRepeatLimit_; }
    QCheckBox* cbKeepTimers() const { return cbKeepTimers_; }
    QCheckBox* cbStartAtLogin() const { return cbStartAtLogin_; }
    QPushButton* btnSave() const { return btnSave_; }
    QPushButton* btnClose() const { return btnClose_; }

    // Changes every setting it shows, in the run and the file, then closes.
    void btnSavePressed();
    // Closes without writing anything.
    void btnClosePressed();

signals:
    // Sent by a save after the large-rows box was clicked: the list must be
    // rebuilt for its row height. Nothing else the sheet saves needs a
    // rebuild (a rebuild would also wipe the rows' "Finished" times).
    void preferencesChanged();

private:
    QCheckBox* makeCheckBox(const QString& name, const QString& text);
    void buildLayout();
    void viewWillAppear();
    void updateVolLabel();
    void pmCountDownClicked(int index);

    Preferences& prefs_;
    QCheckBox* cbHideWhenTimerStarts_ = nullptr;
    QCheckBox* cbBringToFront_ = nullptr;
    QCheckBox* cbSendNotification_ = nullptr;
    QCheckBox* cbLargeRows_ = nullptr;
    QCheckBox* cbQuietWithMouse_ = nullptr;
    QSlider* slideVol_ = nullptr;
    QLabel* lblVol_ = nullptr;
    QComboBox* pmCountDown_ = nullptr;
    QCheckBox* cbRepeatAlarm_ = nullptr;
    QComboBox* pmRepeatLimit_ = nullptr;
    QCheckBox* cbKeepTimers_ = nullptr;
    QCheckBox* cbFadeIn_ = nullptr;
    QCheckBox* cbCountUp_ = nullptr;
    QCheckBox* cbStartAtLogin_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    bool needToUpdateTable_ = false;
};

}  // namespace dunok
