#include "presentation/FrameThrottle.h"

FrameThrottle::FrameThrottle(qreal refreshRate) : m_frameIntervalNs(frameIntervalNs(refreshRate)) {}

qint64 FrameThrottle::frameIntervalNs(qreal refreshRate)
{
    return static_cast<qint64>(1e9 / (refreshRate >= 1 ? refreshRate : FallbackRefreshRate));
}

bool FrameThrottle::paintDue() const
{
    return !m_sinceLastPaint.isValid() || m_sinceLastPaint.nsecsElapsed() >= m_frameIntervalNs;
}
