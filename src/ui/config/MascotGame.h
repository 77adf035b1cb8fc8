#pragma once

#include "presentation/MascotBounce.h"

#include <QObject>

class PictureLabel;
class QLabel;
class QTimer;
class QWidget;

// A hidden amusement of the "Config" tab: typing the trigger text into the emulator list sets a
// mascot bouncing around the panel, and every click on it scores a point and speeds it up.
class MascotGame : public QObject
{
    Q_OBJECT
public:
    explicit MascotGame(QWidget &panel);

    // The emulator list's text: the trigger starts the game, anything else puts it away.
    void emuListTextChanged(const QString &text);
    void Timer1Timer();
    void imgMascotClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_panel;
    PictureLabel *imgMascot = nullptr;
    QLabel *lblScore1 = nullptr;
    QLabel *lblScore2 = nullptr;
    QTimer *Timer1 = nullptr;
    MascotBounce m_bounce;
};
