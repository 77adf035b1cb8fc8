#include "base/IniFile.h"
#include "launch/EmulatorRegistry.h"
#include "support/QtPrinters.h"
#include "support/Utf8.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(EmulatorRegistry, AGroupListsEachBuiltInNameOnceThenEveryCustomSlot)
{
    EmulatorRegistry registry;
    registry.loadBuiltIns(IniFile::fromBytes("[Main]\r\nMESSName=MAME\r\nSMSName=Master\r\n"));
    registry.loadCustomSlots(IniFile::fromBytes("[Main]\r\n"
                                                "CustomEmuName4=MAME\r\nCustomEmuTab4=Arcade\r\n"
                                                "CustomEmuName2=Vice\r\nCustomEmuTab2=Other\r\n"
                                                "CustomEmuName9=Vice\r\nCustomEmuTab9=Other\r\n"
                                                "CustomEmuName3=Lower\r\nCustomEmuTab3=arcade\r\n"));
    // MESS renamed like MAME is listed once among the built-ins; a custom MAME still follows.
    EXPECT_EQ(registry.groupListing(u("Arcade")), (QStringList{u("MAME"), u("MAME")}));
    EXPECT_EQ(registry.groupListing(u("Other")), (QStringList{u("Vice"), u("Vice")}));
    EXPECT_EQ(registry.groupListing(u("SEGA")), QStringList{u("Master")});
    EXPECT_TRUE(registry.groupListing(u("Sony")).isEmpty());
}

TEST(EmulatorRegistry, SaveWritesTheKeysOfItsTargetAndNothingWithout)
{
    using Target = EmulatorEditForm::Target;
    const auto form = [](Target target, int index) {
        EmulatorEditForm f;
        std::tie(f.target, f.index, f.Name, f.Nick, f.Path, f.Params, f.Group) =
            std::make_tuple(target, index, u("N"), u("K"), u("P"), u("A"), u("G"));
        return f;
    };
    const auto keys = [](const EmulatorEditForm &f) {
        QStringList written;
        for (const IniFile::Edit &edit : EmulatorRegistry::keysToSave(f))
            written.append(edit.section + QLatin1Char('/') + edit.key + QLatin1Char('=') + edit.value);
        return written;
    };
    EXPECT_EQ(keys(form(Target::BuiltIn, EmulatorRegistry::MESS)),
              (QStringList{u("Main/MESSName=N"), u("Main/MESSzNick=K"), u("Main/MESSPath=P")}));
    EXPECT_EQ(keys(form(Target::BuiltIn, EmulatorRegistry::Atari5200)),
              (QStringList{u("Main/A5200Name=N"), u("Main/A5200Nick=K"), u("Main/A5200Path=P")}));
    const QStringList slot7{u("Main/CustomEmuName7=N"), u("Main/CustomEmuNick7=K"), u("Main/CustomEmuPath7=P"),
                            u("Main/CustomEmuTab7=G"), u("Main/CustomEmuParams7=A")};
    EXPECT_EQ(keys(form(Target::NewCustom, 7)), slot7);
    EXPECT_EQ(keys(form(Target::Custom, 7)), slot7);
    for (const EmulatorEditForm &none : {form(Target::Nothing, 1), form(Target::BuiltIn, EmulatorRegistry::BuiltInCount),
                                         form(Target::Custom, 0), form(Target::NewCustom, 100)})
        EXPECT_TRUE(keys(none).isEmpty()) << int(none.target) << ' ' << none.index;
}

} // namespace
