#pragma once

#include "platform/Platform.h"

#include <QString>

#include <memory>

class QtPlatform;
class TfrmAbout;
class TfrmAddWizard;
class TfrmDeleteFolder;
class TfrmMain;

// One run of the program, built the way users start it: the splash screen, the main window with
// the whole start-up behind it, the secondary windows, and the splash released once nothing can
// paint it any more. main() and the window tests go through the same start().
class PalloxRun
{
public:
    // On the real desktop: Qt's dialogs, shell, file operations, clock and random generator.
    static std::unique_ptr<PalloxRun> start(const QString &exeFolder);
    // The same start-up over the given seams, which must outlive the run.
    static std::unique_ptr<PalloxRun> start(const QString &exeFolder, const Platform &platform);

    ~PalloxRun();
    PalloxRun(const PalloxRun &) = delete;
    PalloxRun &operator=(const PalloxRun &) = delete;

    TfrmMain &mainWindow() const { return *m_mainWindow; }

private:
    PalloxRun(std::unique_ptr<QtPlatform> qtPlatform, const Platform &platform);
    // False when start-up failed; the user has been told why.
    bool run(const QString &exeFolder);

    // Declared first so that it goes last: every window may use the seams while it closes.
    std::unique_ptr<QtPlatform> m_qtPlatform;
    Platform m_platform;
    std::unique_ptr<TfrmMain> m_mainWindow;
    std::unique_ptr<TfrmAddWizard> m_addWizard;
    std::unique_ptr<TfrmAbout> m_about;
    std::unique_ptr<TfrmDeleteFolder> m_deleteFolder;
};
