#include "base/SettingsFile.h"
#include "session/AppearanceModel.h"
#include "session/PreferencesModel.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "session/FilterState.h"
#include "session/LibrarySession.h"
#include "support/FourGames.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The run below the windows, driven as the windows drive it and watched through its signals:
// what the session itself does, start-up and the wiring of its models. Each model's own
// behaviour is tested where the model lives.
class LibrarySessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        addFourGames(lib);
    }

    // Start-up as the main window runs it; the session records what it said.
    std::unique_ptr<LibrarySession> start()
    {
        auto session = std::make_unique<LibrarySession>(platform, lib.root());
        QObject::connect(session.get(), &LibrarySession::message, [this](const QString &text) { messages << text; });
        session->startUp();
        session->browse().select(-1);
        return session;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QStringList messages;
};

// Start-up runs its steps in their order, each reported when what the windows show of it is
// there, and ends on the remembered entry.
TEST_F(LibrarySessionTest, StartUpReportsEachStepOnceItsDataIsThere)
{
    lib.setMainKey(QStringLiteral("RememberLastSelected"), QStringLiteral("1"));
    lib.setMainKey(QStringLiteral("LastSelectedGame"), QStringLiteral("2"));
    lib.writeSettings();
    LibrarySession session(platform, lib.root());
    using Step = LibrarySession::StartUpStep;
    QStringList log;
    QObject::connect(&session.library(), &LibraryModel::scanFinished, [&] { log << QStringLiteral("scan"); });
    QObject::connect(&session.browse(), &BrowseModel::listChanged, [&] { log << QStringLiteral("list"); });
    QObject::connect(&session.browse(), &BrowseModel::selectionChanged,
                     [&] { log << QStringLiteral("select %1").arg(session.browse().selectedIndex()); });
    QObject::connect(&session, &LibrarySession::startUpStep, [&](Step step) {
        switch (step) {
        case Step::SettingsOpened: // with no rows but the field names yet
            log << QStringLiteral("settings %1 %2")
                       .arg(session.preferences().preferences().rememberLastSelected)
                       .arg(session.library().table().rowCount());
            break;
        case Step::TableLoading:
            log << QStringLiteral("loading");
            break;
        case Step::TableLoaded:
            log << QStringLiteral("table %1").arg(session.library().table().rowCount());
            break;
        case Step::ListBuilt:
            log << QStringLiteral("entries %1").arg(session.browse().listEntries().size());
            break;
        case Step::EmulatorsLoaded:
            log << QStringLiteral("emulators %1").arg(session.filter().fieldList().size());
            break;
        case Step::FiltersFilled:
            log << QStringLiteral("filters %1").arg(session.filter().fieldList().size() > 1);
            break;
        case Step::Finished:
            log << QStringLiteral("finished %1").arg(session.browse().details().name);
            break;
        }
    });
    session.startUp();
    EXPECT_EQ(log, (QStringList{QStringLiteral("settings 1 1"), QStringLiteral("loading"), QStringLiteral("scan"),
                                QStringLiteral("table 5"), QStringLiteral("list"), QStringLiteral("select -1"),
                                QStringLiteral("entries 3"), QStringLiteral("emulators 0"),
                                QStringLiteral("filters 1"), QStringLiteral("select 2"),
                                QStringLiteral("finished Comet")}));
    EXPECT_TRUE(messages.isEmpty());
}

// The root the user chose becomes the library's for the next read, while the table keeps its
// games; a failed write of the settings file is told, whichever model wrote.
TEST_F(LibrarySessionTest, TheChosenRootReachesTheLibraryAndAFailedWriteIsTold)
{
    auto session = start();
    session->preferences().setLibraryRoot(QStringLiteral("/elsewhere/games"));
    EXPECT_EQ(session->library().root(), QStringLiteral("/elsewhere/games/"));
    EXPECT_EQ(session->browse().listEntries().size(), 3) << "the table keeps its games until the next refresh";

    const qsizetype told = messages.size();
    ASSERT_TRUE(QFile::remove(lib.settingsFile()));
    ASSERT_TRUE(QDir().mkpath(lib.settingsFile()));
    session->appearance().setColor(Theme::Color::Details, QColor(Qt::red));
    EXPECT_EQ(messages.size(), told + 1);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("PALLOX.ini"))) << messages.last().toStdString();
}

} // namespace
