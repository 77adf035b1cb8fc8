#include "launch/EmulatorRegistry.h"
#include "presentation/EmulatorGroupButtons.h"
#include "support/Utf8.h"

#include <gtest/gtest.h>

namespace {

// The settings panel builds a button per group, in this order, by these names.
TEST(EmulatorGroupButtons, EveryGroupHasItsButtonName)
{
    QStringList names;
    for (const QString &group : EmulatorRegistry::groups())
        names.append(EmulatorGroupButtons::objectName(group));
    EXPECT_EQ(names, strings({"btnEmusPC", "btnEmusNintendo", "btnEmusAtari", "btnEmusSega", "btnEmusArcade",
                              "btnEmusApple", "btnEmusSony", "btnEmusOther"}));
}

} // namespace
