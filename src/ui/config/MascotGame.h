#pragma once

#include <QObject>
#include <QPoint>

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
    static const QString TriggerText;

    explicit MascotGame(QWidget &panel);

    // The emulator list's text: the trigger starts the game, anything else puts it away.
    void emuListTextChanged(const QString &text);
    void Timer1Timer();
    void imgMascotClick();

    int score() const { return m_score; }
    int speed() const { return m_speed; }
    QPoint step() const { return {m_dx, m_dy}; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_panel;
    PictureLabel *imgMascot = nullptr;
    QLabel *lblScore1 = nullptr;
    QLabel *lblScore2 = nullptr;
    QTimer *Timer1 = nullptr;
    int m_x = 0;
    int m_y = 0;
    int m_dx = 1;
    int m_dy = 1;
    int m_speed = 1;
    int m_score = 0;
};
