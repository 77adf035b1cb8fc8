#include "ui/startup/PalloxRun.h"

#include "import/ImportCommand.h"
#include "platform/Dialogs.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "ui/startup/PalloxApplication.h"
#include "ui/startup/QtPlatform.h"
#include "ui/main/RefreshController.h"
#include "ui/main/TfrmAbout.h"
#include "ui/wizard/TfrmAddWizard.h"
#include "ui/main/TfrmDeleteFolder.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/TfrmSplashScreen.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

QStringList PalloxRun::arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> PalloxRun::answerWithoutWindow(const Result<CommandLine> &command)
{
    if (!command) {
        std::fprintf(stderr, "pallox: %s\n", command.error().message().toLocal8Bit().constData());
        return 2;
    }
    switch (command->action()) {
    case CommandLine::Action::ShowHelp:
        // The import reads its own options; its lines close the help, so that one --help says all.
        std::fputs((CommandLine::helpText() + QLatin1Char('\n') + ImportCommand::usage() + QLatin1Char('\n'))
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(CommandLine::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

std::unique_ptr<PalloxRun> PalloxRun::start(const CommandLine &command)
{
    const FilePlaces places =
        FilePlaces::forProgramIn(QCoreApplication::applicationDirPath(), FilePlaces::Environment::ofProcess());
    return start(places.withLibraryRootForRun(command.libraryRoot()));
}

std::unique_ptr<PalloxRun> PalloxRun::start(const FilePlaces &places)
{
    auto qtPlatform = std::make_unique<QtPlatform>();
    const Platform platform = qtPlatform->platform();
    std::unique_ptr<PalloxRun> run(new PalloxRun(std::move(qtPlatform), platform));
    if (!run->run(places))
        return nullptr;
    return run;
}

std::unique_ptr<PalloxRun> PalloxRun::start(const FilePlaces &places, const Platform &platform)
{
    std::unique_ptr<PalloxRun> run(new PalloxRun(nullptr, platform));
    if (!run->run(places))
        return nullptr;
    return run;
}

PalloxRun::PalloxRun(std::unique_ptr<QtPlatform> qtPlatform, const Platform &platform)
    : m_qtPlatform(std::move(qtPlatform)), m_platform(platform)
{
}

PalloxRun::~PalloxRun()
{
    // The failure handler speaks through our dialogs, which go with us.
    if (auto *app = qobject_cast<PalloxApplication *>(QCoreApplication::instance()))
        app->setFailureHandler(nullptr);
}

bool PalloxRun::run(const FilePlaces &places)
{
    if (auto *app = qobject_cast<PalloxApplication *>(QCoreApplication::instance())) {
        Dialogs &dialogs = m_platform.dialogs;
        app->setFailureHandler([&dialogs](const QString &text) { dialogs.message(text); });
    }

    auto splash = std::make_unique<TfrmSplashScreen>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    // The splash stays on top of everything; a message that start-up has to show must open
    // above it, or start-up looks hung behind a box nobody can see.
    if (m_qtPlatform)
        m_qtPlatform->dialogs.setOwner(splash.get());

    try {
        m_mainWindow = std::make_unique<TfrmMain>(m_platform, places, splash.get());
    } catch (const std::exception &error) {
        // Start-up reads files the user may have damaged by hand; say what went wrong.
        if (m_qtPlatform)
            m_qtPlatform->dialogs.setOwner(nullptr);
        splash.reset();
        m_platform.dialogs.message(QStringLiteral("PALLOX could not start: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    if (m_qtPlatform)
        m_qtPlatform->dialogs.setOwner(m_mainWindow.get());
    m_addWizard = std::make_unique<TfrmAddWizard>(m_mainWindow->session(), *m_mainWindow);
    QObject::connect(m_mainWindow.get(), &TfrmMain::entryHelperRequested, m_addWizard.get(),
                     &TfrmAddWizard::showFromMain);
    // Its lists come from the table and its saves read the library again: it waits for a refresh.
    QObject::connect(&m_mainWindow->session().library(), &LibraryModel::scanRunning, m_addWizard.get(),
                     &QWidget::setDisabled);
    m_about = std::make_unique<TfrmAbout>(m_platform.shell, m_mainWindow.get());
    QObject::connect(m_mainWindow.get(), &TfrmMain::aboutRequested, m_about.get(),
                     [this] { m_about->showOver(*m_mainWindow); });
    m_deleteFolder = std::make_unique<TfrmDeleteFolder>(m_mainWindow->session(), m_platform.dialogs, m_mainWindow.get());
    QObject::connect(m_mainWindow.get(), &TfrmMain::deleteFolderRequested, m_deleteFolder.get(),
                     [this] { m_deleteFolder->mnuDeleteCurrentClick(*m_mainWindow); });
    // A deleted folder stays listed until the library is read again.
    QObject::connect(m_deleteFolder.get(), &TfrmDeleteFolder::refreshAllRequested, &m_mainWindow->refreshController(),
                     &RefreshController::refreshAll);
    splash.reset();

    m_mainWindow->show();
    return true;
}
