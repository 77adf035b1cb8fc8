#pragma once

#include <QApplication>

#include <memory>

// The one application object of a benchmark run, shared by every benchmark file: Qt allows only
// one at a time, and the benchmarks of one run share a process.
namespace BenchApplication {

inline int &argc()
{
    static int count = 1;
    return count;
}

inline char **argv()
{
    static char name[] = "pallox_bench";
    static char *arguments[] = {name, nullptr};
    return arguments;
}

// Kept for the rest of the run and never destroyed: at exit, Qt's own globals may be gone before
// a static application would be, and its destructor then crashes the finished run.
inline QApplication &shared()
{
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc(), argv());
    }();
    return *application;
}

// For a benchmark that lends itself an application only when none is there, and ends it again
// before the others make theirs; null when one exists already.
inline std::unique_ptr<QApplication> ifNone()
{
    if (QCoreApplication::instance())
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc(), argv());
}

} // namespace BenchApplication
