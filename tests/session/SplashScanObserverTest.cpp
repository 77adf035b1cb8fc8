#include "session/SplashScanObserver.h"
#include "library/LibraryState.h"
#include "session/SplashView.h"
#include "support/FakeDialogs.h"
#include "support/Utf8.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Writes down every call, the paints held or not at the time of each message box.
class RecordingSplash : public SplashView
{
  public:
    void showStep(const QString &line, const QString &detail) override
    {
        calls << line + QLatin1Char('|') + detail;
    }
    void startGauge(int steps) override { calls << QStringLiteral("start %1").arg(steps); }
    void setGaugeSteps(int steps) override { calls << QStringLiteral("steps %1").arg(steps); }
    void setGaugeStep(int step) override { calls << QStringLiteral("step %1").arg(step); }
    void holdProgressPaints(bool hold) override
    {
        held = hold;
        calls << (hold ? QStringLiteral("hold") : QStringLiteral("release"));
    }
    bool progressPaintsHeld() const override { return held; }
    void repaintAtFrameRate() override { calls << QStringLiteral("paint"); }
    void hideSplash() override { calls << QStringLiteral("hide"); }

    QStringList calls;
    bool held = false;
};

void scan(SplashScanObserver &observer)
{
    observer.categoriesStarted(2);
    observer.categoryStarted(1, 2, QStringLiteral("Puzzle"));
    observer.gamesStarted(7);
    observer.gameStarted(3);
    observer.message(QStringLiteral("No Data Found"));
    observer.scanFinished();
}

TEST(SplashScanObserver, StartUpShowsEveryStepAndMessageBoxesPaintTheWholeSplash)
{
    LibraryState state;
    RecordingSplash splash;
    FakeDialogs dialogs;
    SplashScanObserver observer(state, &splash, dialogs);
    scan(observer);
    EXPECT_EQ(splash.calls, strings({"start 2", "hold", "Loading Folder 2 of 2|Puzzle", "paint", "steps 7",
                                     "step 3", "paint", "release", "hold", "release", "hide"}));
    EXPECT_EQ(dialogs.messages, strings({"No Data Found"}));
}

// A later scan reports in the window, not on the splash; without a splash only messages show.
TEST(SplashScanObserver, OutsideStartUpOnlyTheEndAndTheMessagesReachTheSplash)
{
    LibraryState state;
    state.StartupLoading = false;
    RecordingSplash splash;
    FakeDialogs dialogs;
    SplashScanObserver observer(state, &splash, dialogs);
    scan(observer);
    EXPECT_EQ(splash.calls, strings({"release", "hide"}));

    SplashScanObserver alone(state, nullptr, dialogs);
    scan(alone);
    EXPECT_EQ(dialogs.messages.size(), 2);
}

} // namespace
