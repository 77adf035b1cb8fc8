#include "session/EmulatorSettingsModel.h"
#include "base/SettingsFile.h"
#include "session/LibrarySession.h"
#include "session/LaunchModel.h"
#include "support/Files.h"
#include "support/TestPlatform.h"
#include "support/Utf8.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class EmulatorSettingsModelTest : public ::testing::Test
{
  protected:
    void start(const QByteArray &settings)
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(writeFile(dir.filePath(u("PALLOX.ini")), settings));
        session = std::make_unique<LibrarySession>(refs, dir.path());
        session->launch().load();
        model = std::make_unique<EmulatorSettingsModel>(session->launch());
    }

    QString shown() const { return model->details().Name + u("|") + model->details().Params; }

    QTemporaryDir dir;
    TestPlatform platform;
    Platform refs = platform.platform();
    std::unique_ptr<LibrarySession> session;
    std::unique_ptr<EmulatorSettingsModel> model;
};

TEST_F(EmulatorSettingsModelTest, GroupsAndListTextDecideTheDetailsAndTheirParameters)
{
    start("[Main]\r\nCustomEmuName1=Vice\r\nCustomEmuTab1=Other\r\nCustomEmuParams1=-warp\r\n"
          "CustomEmuName2=Bare\r\nCustomEmuTab2=Other\r\n");
    EXPECT_EQ(model->loadAtStartup().size(), 4);
    EXPECT_EQ(shown(), u("DOSBox|"));
    EXPECT_FALSE(model->paramsShown());

    EXPECT_EQ(model->chooseGroup(u("Other")), (QStringList{u("Vice"), u("Bare")}));
    model->showFirstEntry(u("Vice"));
    EXPECT_EQ(shown(), u("Vice|-warp"));
    EXPECT_TRUE(model->paramsShown());
    // A custom emulator chosen shows its parameters line even when it has none; one chosen after
    // a group change does not.
    model->listTextChanged(u("Bare"));
    EXPECT_EQ(shown(), u("Bare|"));
    EXPECT_TRUE(model->paramsShown());
    model->showFirstEntry(u("Bare"));
    EXPECT_FALSE(model->paramsShown());
    // A text naming nothing keeps the details, their parameters hidden.
    model->listTextChanged(u("Vic"));
    EXPECT_EQ(shown(), u("Bare|"));
    EXPECT_FALSE(model->paramsShown());

    EXPECT_FALSE(model->configOpensDOSBox(u("dosbox")));
    EXPECT_EQ(model->browseFolder(u("emu/x64")), dir.filePath(u("emu")));
}

TEST_F(EmulatorSettingsModelTest, OnlyAnOpenFormWithATargetIsSaved)
{
    QByteArray full = "[Main]\r\n";
    for (int slot = 1; slot <= EmulatorRegistry::CustomSlotCount; ++slot)
        full += "CustomEmuName" + QByteArray::number(slot) + "=E\r\nCustomEmuTab" + QByteArray::number(slot) +
                "=Sony\r\n";
    start(full);
    model->loadAtStartup();
    using Outcome = EmulatorSettingsModel::SaveOutcome;
    EXPECT_EQ(model->save(u("a"), u("b"), u("c"), u("d"), u("PC")), Outcome::Closed);

    ASSERT_TRUE(model->beginEdit());
    // Every slot taken: Add refuses and leaves the open form as it was.
    EXPECT_FALSE(model->beginAdd());
    EXPECT_EQ(model->form().target, EmulatorEditForm::Target::BuiltIn);
    EXPECT_EQ(model->save(u("DOSBox"), u("DOSBox"), u("/usr/bin/dosbox"), QString(), u("PC")),
              Outcome::Saved);
    EXPECT_EQ(session->settings().ini().readString(u("Main"), u("DOSBoxPath"), QString()),
              u("/usr/bin/dosbox"));

    // An empty group shows nothing to edit, and a closed form nothing to save.
    EXPECT_TRUE(model->chooseGroup(u("Other")).isEmpty());
    model->showFirstEntry(QString());
    EXPECT_FALSE(model->beginEdit());
    EXPECT_EQ(model->save(u("x"), u("x"), u("x"), u("x"), u("Other")), Outcome::Closed);
    model->listTextChanged(u("E"));
    ASSERT_TRUE(model->beginEdit());
    model->closeForm();
    EXPECT_EQ(model->save(u("x"), u("x"), u("x"), u("x"), u("Sony")), Outcome::Closed);
}

} // namespace
