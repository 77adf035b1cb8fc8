#pragma once

#include "platform/Clock.h"

class QtClock : public Clock
{
public:
    QDateTime now() const override;
};
