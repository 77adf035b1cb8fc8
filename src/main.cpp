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

#include <QMessageBox>

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

    TfrmMain mainWindow(platform, QCoreApplication::applicationDirPath(), splash.get());
    dialogs.setOwner(&mainWindow);
    TfrmAddWizard addWizard(&mainWindow);
    TfrmAbout about(&mainWindow);
    TfrmDeleteFolder deleteFolder(&mainWindow);
    splash.reset();

    mainWindow.show();
    return app.exec();
}
