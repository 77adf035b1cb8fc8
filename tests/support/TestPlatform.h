#pragma once

#include "platform/Platform.h"
#include "support/QtPrinters.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileOps.h"
#include "support/FakeRandom.h"
#include "support/FakeShell.h"

// One fake of each seam; keep it alive as long as anything holds platform().
struct TestPlatform
{
    FakeShell shell;
    FakeFileOps fileOps;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeRandom random;

    Platform platform() { return Platform{shell, fileOps, dialogs, clock, random}; }
};
