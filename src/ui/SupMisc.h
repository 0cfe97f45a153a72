// One way of telling the user something in a modal alert, and the two
// clickable views that show the pointing hand.
#pragma once

#include <QLabel>
#include <QString>

namespace dunok {

// Warning alerts with one "OK" button; they return once the user closed them.
// Titled "Dunok".
void msgUser(const QString& message, const QString& informative, QWidget* parent = nullptr);
// Titled "Error".
void errUser(const QString& message, const QString& informative, QWidget* parent = nullptr);
// Titled "Dunok Quick Help", with the help image instead of the warning sign.
void helpUser(const QString& message, const QString& informative, QWidget* parent = nullptr);

// An image that can be clicked: the pointing hand over all of it.
class PointingFingerImageView : public QLabel {
    Q_OBJECT
public:
    explicit PointingFingerImageView(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace dunok
