#include "ui/startup/PalloxApplication.h"
#include "ui/startup/PalloxRun.h"

int main(int argc, char **argv)
{
    PalloxApplication app(argc, argv);
    const auto run = PalloxRun::start(QCoreApplication::applicationDirPath());
    if (!run)
        return 1;
    return app.exec();
}
