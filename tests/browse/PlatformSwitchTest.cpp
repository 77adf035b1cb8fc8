#include "browse/PlatformSwitch.h"
#include "support/TableHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(PlatformSwitch, FindsTheLastExactMatchOfNameAndPlatform)
{
    const GameTable table = tableOf({QStringLiteral("Name"), QStringLiteral("Platform")},
                                    {{QStringLiteral("Alpha Quest"), QStringLiteral("DOS")},
                                     {QStringLiteral("Alpha Quest"), QStringLiteral("Amiga")},
                                     {QStringLiteral("alpha quest"), QStringLiteral("C64")},
                                     {QStringLiteral("Alpha Quest"), QStringLiteral("Amiga")}});
    // The header row names a platform "Platform"; it is never a record.
    EXPECT_EQ(FindOtherPlatform(table, QStringLiteral("Name"), QStringLiteral("Platform")), 0);
    EXPECT_EQ(FindOtherPlatform(table, QStringLiteral("Alpha Quest"), QStringLiteral("DOS")), 1);
    EXPECT_EQ(FindOtherPlatform(table, QStringLiteral("Alpha Quest"), QStringLiteral("Amiga")), 4);
    EXPECT_EQ(FindOtherPlatform(table, QStringLiteral("Alpha Quest"), QStringLiteral("C64")), 0) << "exact case";
}

} // namespace
