#include <QApplication>
#include <QThreadPool>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

// The sanitizer build's options, built in, so that a test program started by hand checks as
// strictly as under ctest. Options given in the environment still come on top of these.
extern "C" const char *__asan_default_options()
{
    return "halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1";
}

extern "C" const char *__ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}

// Caches that the font and desktop libraries under Qt keep until the process ends are theirs,
// not ours (the same list as lsan.supp, which the end-to-end runs of the program use).
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
#endif

int main(int argc, char **argv)
{
    // Window tests need a QApplication; module tests do not mind one.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // The leak check stops every thread to read its stack, and on a busy machine its tracer can
    // crash on one of the shared pool's threads; with them ended first it has only this one. At
    // exit it would also race the threads that Qt's global objects end then.
    QThreadPool::globalInstance()->waitForDone();
    __lsan_do_leak_check();
#endif
    return result;
}
