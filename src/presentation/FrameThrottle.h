#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Paces the paints of a view that is told of progress far more often than a screen shows frames:
// at most one paint per frame of the screen's refresh rate.
class FrameThrottle
{
  public:
    // For screens that do not say how often they refresh.
    static constexpr qreal FallbackRefreshRate = 60;

    // A rate under 1 Hz is no rate a screen gives; the fallback stands in for it.
    explicit FrameThrottle(qreal refreshRate);

    // The time a frame is shown, in nanoseconds.
    static qint64 frameIntervalNs(qreal refreshRate);
    // Whether a paint now shows a new frame: none yet since reset(), or a frame's time since
    // the last one.
    bool paintDue() const;
    // A paint has just been made; the next is due a frame from now.
    void painted() { m_sinceLastPaint.start(); }
    // The next paint is due at once.
    void reset() { m_sinceLastPaint.invalidate(); }

  private:
    qint64 m_frameIntervalNs;
    QElapsedTimer m_sinceLastPaint;
};
