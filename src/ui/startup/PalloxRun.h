#pragma once

#include "base/CommandLine.h"
#include "library/FilePlaces.h"
#include "platform/Platform.h"

#include <QStringList>

#include <memory>
#include <optional>

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
    // The program's arguments as the command line reads them, before any application object.
    static QStringList arguments(int argc, char **argv);
    // --help, --version and a refused command line are answered on the terminal, with the exit
    // status; nothing when the command line asks for a window.
    static std::optional<int> answerWithoutWindow(const Result<CommandLine> &command);

    // What main() runs: the places of this program as it was installed or copied, the command
    // line's library for the run, and the real desktop.
    static std::unique_ptr<PalloxRun> start(const CommandLine &command);
    // On the real desktop: Qt's dialogs, shell, file operations, clock and random generator.
    static std::unique_ptr<PalloxRun> start(const FilePlaces &places);
    // The same start-up over the given seams, which must outlive the run.
    static std::unique_ptr<PalloxRun> start(const FilePlaces &places, const Platform &platform);

    ~PalloxRun();
    PalloxRun(const PalloxRun &) = delete;
    PalloxRun &operator=(const PalloxRun &) = delete;

    TfrmMain &mainWindow() const { return *m_mainWindow; }

private:
    PalloxRun(std::unique_ptr<QtPlatform> qtPlatform, const Platform &platform);
    // False when start-up failed; the user has been told why.
    bool run(const FilePlaces &places);

    // Declared first so that it goes last: every window may use the seams while it closes.
    std::unique_ptr<QtPlatform> m_qtPlatform;
    Platform m_platform;
    std::unique_ptr<TfrmMain> m_mainWindow;
    std::unique_ptr<TfrmAddWizard> m_addWizard;
    std::unique_ptr<TfrmAbout> m_about;
    std::unique_ptr<TfrmDeleteFolder> m_deleteFolder;
};
