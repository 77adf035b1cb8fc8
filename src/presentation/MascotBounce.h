#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The rules of the mascot game on the Config tab, apart from the picture that shows them: where
// the mascot is and where it heads, how fast, the score, and the size the clicks shrank it to.
class MascotBounce
{
  public:
    static const QString TriggerText;
    static constexpr QPoint Start{420, 30};
    static constexpr QSize DesignSize{123, 146};

    // Whether the emulator list's text starts the game; any other text puts it away.
    static bool startsGame(const QString &listText) { return listText == TriggerText; }

    // One tick: a step on, and the step turned back wherever the next one would leave `area`.
    void tick(const QSize &area);
    // A click on the mascot scores and speeds it up; every sixth speed starts slow again on a
    // smaller mascot.
    void click();

    QRect geometry() const { return {m_position, m_size}; }
    int score() const { return m_score; }

  private:
    QPoint m_position = Start;
    QSize m_size = DesignSize;
    QPoint m_step{1, 1};
    int m_speed = 1;
    int m_score = 0;
};
