#pragma once

#include <QString>

// What the splash screen offers those who report start-up on it.
class SplashView
{
  public:
    virtual ~SplashView() = default;

    virtual void showStep(const QString &line, const QString &detail) = 0;
    // The gauge counts `steps` steps from the first; startGauge also shows it at its first step.
    virtual void startGauge(int steps) = 0;
    virtual void setGaugeSteps(int steps) = 0;
    virtual void setGaugeStep(int step) = 0;
    // While progress is held, steps are taken without painting; repaintAtFrameRate() paints the
    // latest of them at most once a frame.
    virtual void holdProgressPaints(bool hold) = 0;
    virtual bool progressPaintsHeld() const = 0;
    virtual void repaintAtFrameRate() = 0;
    virtual void hideSplash() = 0;
};
