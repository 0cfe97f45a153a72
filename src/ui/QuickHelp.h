// The main window's quick-help icon: a click (or Space or Return when it has
// the focus) shows a short help on using the timer list.
#pragma once

#include "ui/SupMisc.h"

namespace dunok {

class QuickHelp : public PointingFingerImageView {
    Q_OBJECT
public:
    explicit QuickHelp(QWidget* parent = nullptr);

    static QString message();
    static QString informativeText();

    // Shows the help alert; returns when the user closed it.
    void quickHelpClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dunok
