#pragma once

#include "library/LibraryScanner.h"

#include <QMetaObject>

#include <vector>

class Dialogs;
class LibraryModel;
class SplashView;
struct LibraryState;

// Shows a running scan's progress on the splash screen while the program starts, and its
// messages in message boxes.
class SplashScanObserver : public ScanObserver
{
public:
    // Without a splash, only the messages are shown.
    SplashScanObserver(const LibraryState &state, SplashView *splash, Dialogs &dialogs);
    ~SplashScanObserver() override;
    SplashScanObserver(const SplashScanObserver &) = delete;
    SplashScanObserver &operator=(const SplashScanObserver &) = delete;

    // Shows the progress the library's scan signals report, for as long as this lives.
    void follow(const LibraryModel &library);

    void categoriesStarted(int count) override;
    void categoryStarted(int index, int count, const QString &name) override;
    void gamesStarted(int count) override;
    void gameStarted(int index) override;
    void scanFinished() override;
    void failed(const Failure &failure) override;
    void message(const QString &text);

private:
    const LibraryState &m_state;
    SplashView *m_splash;
    Dialogs &m_dialogs;
    std::vector<QMetaObject::Connection> m_connections;
};
