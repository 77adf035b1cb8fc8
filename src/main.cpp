#include "ui/startup/PalloxApplication.h"
#include "ui/startup/PalloxRun.h"

int main(int argc, char **argv)
{
    // Read before the application object, which needs a display: --help must not.
    const Result<CommandLine> command = CommandLine::parse(PalloxRun::arguments(argc, argv));
    if (const std::optional<int> status = PalloxRun::answerWithoutWindow(command))
        return *status;
    PalloxApplication app(argc, argv);
    const auto run = PalloxRun::start(*command);
    if (!run)
        return 1;
    return app.exec();
}
