#include "dosboxconf/DOSBoxConfKeys.h"
#include "presentation/DOSBoxConfCaptions.h"
#include "support/Utf8.h"

#include <gtest/gtest.h>

namespace {

// A key without a caption shows a blank control and is named as nothing when its file cannot hold
// it; one on a tab the editor lacks is not shown at all.
TEST(DOSBoxConfCaptions, EveryKeyHasACaptionOnATabOfTheEditor)
{
    QStringList pages = DOSBoxConfCaptions::tabs();
    for (const QString &tab : DOSBoxConfCaptions::soundTabs())
        pages.append(u("Sound/") + tab);
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        EXPECT_FALSE(DOSBoxConfCaptions::caption(key.name).isEmpty()) << key.name.toStdString();
        EXPECT_TRUE(pages.contains(DOSBoxConfCaptions::tab(key.name))) << key.name.toStdString();
    }
    EXPECT_EQ(DOSBoxConfCaptions::caption(u("sdl/priority")), u("Priority:"));
    EXPECT_TRUE(DOSBoxConfCaptions::caption(u("Priority:")).isEmpty());
}

TEST(DOSBoxConfCaptions, ARefusalNamesEachValueAsTheEditorShowsIt)
{
    Failure refused(Failure::Kind::TextUnfitForCodePage, u("/g/dosbox.conf"));
    refused.withCause(Failure(Failure::Kind::UnfitField).with(Failure::Fact::Key, u("dosbox/captures")))
        .withCause(Failure(Failure::Kind::UnfitField).with(Failure::Fact::Key, u("midi/config")))
        .withCause(Failure(Failure::Kind::UnfitAutoexecLine).with(Failure::Fact::Line, u("mount d \"/g\"")));
    const Failure named = DOSBoxConfCaptions::namedAsShown(refused);
    EXPECT_EQ(named.path(), refused.path());
    ASSERT_EQ(named.causes().size(), size_t(3));
    EXPECT_EQ(named.causes()[0].message(), u("\"Capture Directory\" on the DOSBox tab"));
    EXPECT_EQ(named.causes()[1].message(), u("\"Config\" on the midi tab of Sound"));
    EXPECT_EQ(named.causes()[2], refused.causes()[2]) << "a line of the autoexec part has no control";
}

} // namespace
