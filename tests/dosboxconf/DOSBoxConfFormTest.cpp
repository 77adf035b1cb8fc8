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
    const char *const rows[][2] = {{"sdl/priority", "normal"},
                                   {"sdl/priority/nonfocused", "normal"},
                                   {"sdl/sensitivity", "100"},
                                   {"sdl/fullscreen", "false"},
                                   {"dosbox/captures", ""},
                                   {"gus/ultradir", "C:\\ULTRASND"}};
    for (const auto &row : rows)
        EXPECT_EQ(conf.values.value(QLatin1String(row[0]), QStringLiteral("?")), QLatin1String(row[1]))
            << row[0];
    EXPECT_EQ(conf.values.size(), qsizetype(DOSBoxConfKeys::all().size()) + 1);
    EXPECT_TRUE(conf.autoexec.isEmpty() && conf.loadedPriority.isEmpty() && !conf.uses074Names);

    QStringList off;
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        EXPECT_TRUE(DOSBoxConfForm::takesInput(key, false)) << key.name.toStdString();
        if (!DOSBoxConfForm::takesInput(key, true))
            off.append(key.name);
    }
    EXPECT_EQ(off, (QStringList{QStringLiteral("sdl/hwscale"), QStringLiteral("gus/irq2"),
                                QStringLiteral("gus/dma2")}));
    EXPECT_EQ(DOSBoxConfForm::loadFolder(QStringLiteral("/games/conf/a.conf")),
              QStringLiteral("/games/conf"));
    EXPECT_FALSE(DOSBoxConfForm::canSave(QStringLiteral(" \t")));
    EXPECT_TRUE(DOSBoxConfForm::canSave(QStringLiteral("a.conf")));
}

} // namespace
