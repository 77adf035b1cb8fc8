#include "platform/Platform.h"
#include "platform/QtClock.h"
#include "platform/QtFileOps.h"
#include "platform/QtRandom.h"
#include "platform/QtShell.h"
#include "ui/PalloxApplication.h"
#include "ui/NonBlockingMessage.h"
#include "ui/QtDialogs.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmAddWizard.h"
#include "ui/TfrmDeleteFolder.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmSplashScreen.h"

#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    PalloxApplication app(argc, argv);

    QtDialogs dialogs(nullptr);
    QtShell shell([](const QString &text) { showNonBlockingMessage(nullptr, text); });
    QtFileOps fileOps;
    QtClock clock;
    QtRandom random;
    const Platform platform{shell, fileOps, dialogs, clock, random};
    app.setFailureHandler([&dialogs](const QString &text) { dialogs.message(text); });

    auto splash = std::make_unique<TfrmSplashScreen>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    std::unique_ptr<TfrmMain> mainWindow;
    try {
        mainWindow = std::make_unique<TfrmMain>(platform, QCoreApplication::applicationDirPath(), splash.get());
    } catch (const std::exception &error) {
        // Start-up reads files the user may have damaged by hand; say what went wrong.
        splash.reset();
        dialogs.message(QStringLiteral("PALLOX could not start: %1").arg(QString::fromUtf8(error.what())));
        return 1;
    }
    dialogs.setOwner(mainWindow.get());
    TfrmAddWizard addWizard(mainWindow.get());
    TfrmAbout about(mainWindow.get());
    TfrmDeleteFolder deleteFolder(mainWindow.get());
    splash.reset();

    mainWindow->show();
    return app.exec();
}
