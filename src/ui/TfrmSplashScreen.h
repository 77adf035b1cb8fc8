#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// Shown while start-up reads the library, so that a long first scan shows its progress.
class TfrmSplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr);

    QLabel *lblLoading = nullptr;
    QLabel *lblLoading2 = nullptr;
    QProgressBar *pbLoading = nullptr;

    void centreOnScreen();
    // Paints at once: the scan blocks the event loop between progress steps.
    void repaintNow();

protected:
    void paintEvent(QPaintEvent *event) override;
};
