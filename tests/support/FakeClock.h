#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test moves it.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return time; }

    void advanceSeconds(qint64 seconds) { time = time.addSecs(seconds); }

    QDateTime time{QDate(2024, 3, 9), QTime(14, 30, 15)};
};
