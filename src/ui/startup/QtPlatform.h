#pragma once

#include "platform/Platform.h"
#include "platform/QtClock.h"
#include "platform/QtFileOps.h"
#include "platform/QtRandom.h"
#include "platform/QtShell.h"
#include "ui/common/NonBlockingMessage.h"
#include "ui/common/QtDialogs.h"

// The desktop's own seams, in one object that lives as long as whatever uses them.
class QtPlatform
{
public:
    QtDialogs dialogs;
    QtShell shell{[](const Failure &failure) { showNonBlockingMessage(nullptr, failure.message()); }};
    QtFileOps fileOps;
    QtClock clock;
    QtRandom random;

    Platform platform() { return Platform{shell, fileOps, dialogs, clock, random}; }
};
