#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// Shown while start-up reads the library, so that a long first scan shows its progress.
class TfrmSplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr);

    void centreOnScreen();
    void showStep(const QString &line, const QString &detail);
    // The gauge counts `steps` steps from the first; startGauge also shows it at its first step.
    void startGauge(int steps);
    void setGaugeSteps(int steps);
    void setGaugeStep(int step);
    // Paints at once: the scan blocks the event loop between progress steps.
    void repaintNow();

    // A scan reports every game, far more often than a screen shows frames, and painting the
    // card at each step made up a third of a large library's first start. While progress is
    // held, the labels and the gauge take every value without painting, and repaintAtFrameRate()
    // paints the card at most once a frame: the next frame shows the latest step, so nothing a
    // user could see is lost.
    void holdProgressPaints(bool hold);
    bool progressPaintsHeld() const { return m_progressHeld; }
    void repaintAtFrameRate();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *lblLoading = nullptr;
    QLabel *lblLoading2 = nullptr;
    QProgressBar *pbLoading = nullptr;
    qint64 m_frameIntervalNs = 0;
    QElapsedTimer m_sinceLastPaint;
    bool m_progressHeld = false;
};
