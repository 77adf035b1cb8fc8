#include "dosboxconf/DOSBoxConfForm.h"
#include "dosboxconf/DOSBoxConfKeys.h"

#include <gtest/gtest.h>

namespace {

// Start-up shows every control, the second priority list included, at its start-up value, and
// keeps no priority line and no autoexec line; a 0.74 file turns off only the keys it has no line
// for.
TEST(DOSBoxConfForm, StartUpValuesAndTheControlsA074FileTurnsOff)
{
    const DOSBoxConf conf = DOSBoxConfForm::startUp();
    const char *const rows[][2] = {{"cbPriorityFocused", "normal"},
                                   {"cbPriorityNonFocused", "normal"},
                                   {"scrollMouseSensitivity", "100"},
                                   {"checkFullscreen", "false"},
                                   {"eCaptures", ""},
                                   {"eUltraDir", "C:\\ULTRASND"}};
    for (const auto &row : rows)
        EXPECT_EQ(conf.values.value(QLatin1String(row[0]), QStringLiteral("?")), QLatin1String(row[1]))
            << row[0];
    EXPECT_EQ(conf.values.size(), qsizetype(DOSBoxConfKeys::all().size()) + 1);
    EXPECT_TRUE(conf.autoexec.isEmpty() && conf.loadedPriority.isEmpty() && !conf.uses074Names);

    QStringList off;
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        EXPECT_TRUE(DOSBoxConfForm::takesInput(key, false)) << key.control.toStdString();
        if (!DOSBoxConfForm::takesInput(key, true))
            off.append(key.control);
    }
    EXPECT_EQ(off, (QStringList{QStringLiteral("cbHWScale"), QStringLiteral("cbGusirq2"),
                                QStringLiteral("cbGusdma2")}));
    EXPECT_EQ(DOSBoxConfForm::loadFolder(QStringLiteral("/games/conf/a.conf")),
              QStringLiteral("/games/conf"));
    EXPECT_FALSE(DOSBoxConfForm::canSave(QStringLiteral(" \t")));
    EXPECT_TRUE(DOSBoxConfForm::canSave(QStringLiteral("a.conf")));
}

} // namespace
