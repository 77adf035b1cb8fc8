#include "platform/FileDialogFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogFilter, ReadsBarSeparatedFiltersAndOffersAllFilesForPrograms)
{
    const struct
    {
        const char *given;
        const char *expected;
    } cases[] = {
        {"Exe Files (*.exe)|*.EXE", "Exe Files (*.exe);;All files (*)"},
        {"Exe Files (*.exe)", "Exe Files (*.exe);;All files (*)"},
        {"Conf Files (*.conf)|*.CONF", "Conf Files (*.conf)"},
        {"Ini Files|*.ini;*.INI", "Ini Files (*.ini *.INI)"},
        {"Exe Files (*.exe)|*.EXE|All (*)|*", "Exe Files (*.exe);;All (*)"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileDialogFilter(QString::fromUtf8(c.given)),
                  QString::fromUtf8(c.expected))
            << c.given;
}

} // namespace
