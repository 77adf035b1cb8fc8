#pragma once

#include "presentation/FrameThrottle.h"
#include "session/SplashView.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// Shown while start-up reads the library, so that a long first scan shows its progress.
class TfrmSplashScreen : public QWidget, public SplashView
{
    Q_OBJECT
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr);

    void centreOnScreen();
    void showStep(const QString &line, const QString &detail) override;
    void startGauge(int steps) override;
    void setGaugeSteps(int steps) override;
    void setGaugeStep(int step) override;
    // Paints at once: the scan blocks the event loop between progress steps.
    void repaintNow();

    // A scan reports every game, far more often than a screen shows frames, and painting the
    // card at each step made up a third of a large library's first start. While progress is
    // held, the labels and the gauge take every value without painting, and repaintAtFrameRate()
    // paints the card at most once a frame: the next frame shows the latest step, so nothing a
    // user could see is lost.
    void holdProgressPaints(bool hold) override;
    bool progressPaintsHeld() const override { return m_progressHeld; }
    void repaintAtFrameRate() override;
    void hideSplash() override { hide(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *lblLoading = nullptr;
    QLabel *lblLoading2 = nullptr;
    QProgressBar *pbLoading = nullptr;
    FrameThrottle m_frames;
    bool m_progressHeld = false;
};
