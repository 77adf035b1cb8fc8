#include "browse/PictureLoader.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "support/Clicks.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/main/AttractMode.h"
#include "ui/main/DetailsPanel.h"
#include "ui/startup/PalloxRun.h"
#include "ui/common/PictureLabel.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {


// One game stored for DOS, Amiga and C64, and one for DOS alone whose record names a platform the
// library has no record for, with a manual, extras of every kind and a small front picture.
class OtherPlatforms : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Adventure")});
        addQuest(QStringLiteral("QuestDOS"), "DOS", "1990", {{QStringLiteral("Executable"), QStringLiteral("QUEST.EXE")}});
        addQuest(QStringLiteral("QuestAmiga"), "Amiga", "1991", {{QStringLiteral("About"), QStringLiteral("amiga.txt")}});
        addQuest(QStringLiteral("QuestC64"), "C64", "1992", {});
        lib.writeFile(QStringLiteral("Games/Adventure/QuestAmiga/Pallox/About/amiga.txt"), "On the Amiga.\r\n");

        lib.addGame(QStringLiteral("Adventure"), QStringLiteral("Beta"), QStringLiteral("Beta Trail"),
                    {{QStringLiteral("Year"), QStringLiteral("1985")},
                     {QStringLiteral("Platform"), QStringLiteral("DOS")},
                     {QStringLiteral("OtherPlatform1"), QStringLiteral("Jaguar")},
                     {QStringLiteral("Manual"), QStringLiteral("Guide.pdf")},
                     {QStringLiteral("Extra1"), QStringLiteral("Map")},
                     {QStringLiteral("ExtraLink1"), QStringLiteral("maps\\MAP.png")},
                     {QStringLiteral("Extra2"), QStringLiteral("Home page")},
                     {QStringLiteral("ExtraLink2"), QStringLiteral("https://example.org/beta")},
                     {QStringLiteral("Extra3"), QStringLiteral("Readme")},
                     {QStringLiteral("ExtraLink3"), QStringLiteral("/opt/beta/readme.txt")},
                     {QStringLiteral("Front01"), QStringLiteral("front.png")},
                     {QStringLiteral("About"), QStringLiteral("beta.txt")}});
        lib.writeFile(QStringLiteral("Games/Adventure/Beta/Pallox/Extras/Maps/map.png"), pngBytes(8, 8));
        lib.writeFile(QStringLiteral("Games/Adventure/Beta/Pallox/Front/front.png"), pngBytes(40, 30));
        lib.writeFile(QStringLiteral("Games/Adventure/Beta/Pallox/About/beta.txt"), "Beta's note.\r\n");
        fake.random.numbers = {0};
    }

    void addQuest(const QString &folder, const char *platform, const char *year, LibraryBuilder::Keys keys)
    {
        keys.emplace_back(QStringLiteral("Platform"), QString::fromLatin1(platform));
        keys.emplace_back(QStringLiteral("Year"), QString::fromLatin1(year));
        lib.addGame(QStringLiteral("Adventure"), folder, QStringLiteral("Alpha Quest"), keys);
    }

    void start()
    {
        lib.writeSettings();
        frm = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
        frm->resize(1000, 700);
        frm->show();
        QCoreApplication::processEvents();
        details = child<DetailsPanel>(*frm, "panelDetails");
        notes = child<QPlainTextEdit>(*frm, "memoAbout");
    }

    void select(const QString &name)
    {
        auto *list = child<QListView>(*frm, "lbMain");
        const QList<int> found = ListEntries::rowsOf(*list, name);
        ASSERT_EQ(found.size(), 1);
        ListEntries::setCurrentRow(*list, found.front());
        ASSERT_TRUE(QTest::qWaitFor([this] { return details->findChild<PictureLoader *>()->pending() == 0; }, 10000));
        QCoreApplication::processEvents();
    }

    // The labels stem1 … stemN of the details.
    QList<QLabel *> numbered(const char *stem, int count) const
    {
        QList<QLabel *> labels;
        for (int i = 1; i <= count; ++i)
            labels << child<QLabel>(*details, (std::string(stem) + std::to_string(i)).c_str());
        return labels;
    }

    // The platform label that reads `text`; lblPlatform is index 0.
    QLabel *platformLabel(const QString &text) const
    {
        if (child<QLabel>(*details, "lblPlatform")->text() == text)
            return child<QLabel>(*details, "lblPlatform");
        for (QLabel *label : numbered("lblOtherPlatform", 10)) {
            if (!label->isHidden() && label->text() == text)
                return label;
        }
        ADD_FAILURE() << "no platform label reads " << text.toStdString();
        throw std::runtime_error("no such platform label");
    }

    QStringList platformTexts() const
    {
        QStringList texts{child<QLabel>(*details, "lblPlatform")->text()};
        for (QLabel *label : numbered("lblOtherPlatform", 10)) {
            if (!label->isHidden())
                texts << label->text();
        }
        return texts;
    }

    // Every platform label bold, the one given alone underlined.
    void expectMarked(const QLabel *shown) const
    {
        QList<QLabel *> labels{child<QLabel>(*details, "lblPlatform")};
        labels += numbered("lblOtherPlatform", 10);
        for (const QLabel *label : labels) {
            EXPECT_TRUE(label->font().bold()) << label->objectName().toStdString();
            EXPECT_EQ(label->font().underline(), label == shown) << label->objectName().toStdString();
        }
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<TfrmMain> frm;
    DetailsPanel *details = nullptr;
    QPlainTextEdit *notes = nullptr;
};

TEST_F(OtherPlatforms, PlatformLabelsSwitchRecordsAndBackKeepingTheirTexts)
{
    start();
    select(QStringLiteral("Alpha Quest"));
    const QStringList labels = platformTexts();
    ASSERT_EQ(labels.size(), 3);
    const QString firstYear = child<QLabel>(*details, "lblYear")->text();
    expectMarked(child<QLabel>(*details, "lblPlatform"));

    QLabel *amiga = platformLabel(QStringLiteral("Amiga"));
    click(amiga);
    EXPECT_EQ(child<QLabel>(*details, "lblYear")->text(), QStringLiteral("1991"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("On the Amiga."));
    EXPECT_EQ(platformTexts(), labels) << "the labels keep the texts of the game picked in the list";
    expectMarked(amiga);

    click(platformLabel(QStringLiteral("C64")));
    EXPECT_EQ(child<QLabel>(*details, "lblYear")->text(), QStringLiteral("1992"));
    EXPECT_TRUE(notes->toPlainText().isEmpty());

    click(child<QLabel>(*details, "lblPlatform"));
    EXPECT_EQ(child<QLabel>(*details, "lblYear")->text(), firstYear);
    EXPECT_EQ(platformTexts(), labels);
    expectMarked(child<QLabel>(*details, "lblPlatform"));
    EXPECT_TRUE(fake.shell.calls.empty());

    // Another game in the list starts from its own record and labels again.
    click(amiga);
    select(QStringLiteral("Beta Trail"));
    EXPECT_EQ(platformTexts(), (QStringList{QStringLiteral("DOS"), QStringLiteral("Jaguar")}));
    expectMarked(child<QLabel>(*details, "lblPlatform"));
}

TEST_F(OtherPlatforms, DoubleClickStartsTheClickedPlatformsRecordOnly)
{
    start();
    select(QStringLiteral("Alpha Quest"));
    click(platformLabel(QStringLiteral("Amiga")));
    QTest::mouseDClick(platformLabel(QStringLiteral("DOS")), Qt::LeftButton, {},
                       platformLabel(QStringLiteral("DOS"))->rect().center());
    EXPECT_EQ(child<QLabel>(*details, "lblYear")->text(), QStringLiteral("1990"));
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].program, lib.root() + QStringLiteral("Games/Adventure/QuestDOS/QUEST.EXE"));

    // A platform the record names but the library lacks: nothing changes, nothing starts, and the
    // user is told instead of getting the DOS record started.
    select(QStringLiteral("Beta Trail"));
    QLabel *jaguar = platformLabel(QStringLiteral("Jaguar"));
    const int messages = static_cast<int>(fake.dialogs.messages.size());
    click(jaguar);
    EXPECT_EQ(child<QLabel>(*details, "lblYear")->text(), QStringLiteral("1985"));
    expectMarked(child<QLabel>(*details, "lblPlatform"));
    QTest::mouseDClick(jaguar, Qt::LeftButton, {}, jaguar->rect().center());
    EXPECT_EQ(fake.shell.calls.size(), 1u);
    ASSERT_EQ(static_cast<int>(fake.dialogs.messages.size()), messages + 1);
    EXPECT_TRUE(fake.dialogs.messages.back().contains(QStringLiteral("Jaguar")));
}

TEST_F(OtherPlatforms, ManualAndExtrasGoToTheShell)
{
    start();
    select(QStringLiteral("Beta Trail"));
    const QString meta = lib.root() + QStringLiteral("Games/Adventure/Beta/Pallox/");
    ASSERT_TRUE(child<QLabel>(*details, "lblManual2")->isVisible());
    click(child<QLabel>(*details, "lblManual2"));
    for (int i = 0; i < 3; ++i)
        click(numbered("lblExtra", 3)[i]);

    ASSERT_EQ(fake.shell.calls.size(), 4u);
    const auto quoted = [](const QString &text) -> QString { return QLatin1Char('"') + text + QLatin1Char('"'); };
    // The manual need not be there: the desktop answers for a missing file.
    EXPECT_EQ(fake.shell.calls[0].program, quoted(meta + QStringLiteral("Manual/Guide.pdf")));
    EXPECT_EQ(fake.shell.calls[1].program, quoted(meta + QStringLiteral("Extras/Maps/map.png")));
    EXPECT_EQ(fake.shell.calls[2].program, quoted(QStringLiteral("https://example.org/beta")));
    EXPECT_EQ(fake.shell.calls[3].program, quoted(QStringLiteral("/opt/beta/readme.txt")));
    for (const FakeShell::Call &call : fake.shell.calls) {
        EXPECT_TRUE(call.verb.isEmpty());
        EXPECT_TRUE(call.parameters.isEmpty());
        EXPECT_TRUE(call.workingFolder.isEmpty());
    }
}

TEST_F(OtherPlatforms, ViewerShowsAPictureFittedOrAtNaturalSizeCentred)
{
    start();
    select(QStringLiteral("Beta Trail"));
    auto *viewer = child<QWidget>(*frm, "panelViewer");
    auto *fitted = child<PictureLabel>(*frm, "imgViewer");
    auto *box = child<QScrollArea>(*frm, "scrollViewerZoom");
    auto *natural = child<QLabel>(*frm, "imgViewerZoom");
    auto *mode = child<QPushButton>(*frm, "btnAutoSize");
    click(child<PictureLabel>(*details, "imgFront01"));
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->geometry(), child<QWidget>(*frm, "tabMain")->rect());
    EXPECT_TRUE(fitted->isVisible());
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(fitted->image().size(), QSize(40, 30));
    EXPECT_EQ(mode->text(), QStringLiteral("Autosize"));

    mode->click();
    EXPECT_EQ(mode->text(), QStringLiteral("Screen Fit"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(fitted->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(natural->size(), QSize(40, 30));
    EXPECT_EQ(natural->x(), box->viewport()->width() / 2 - 20);
    EXPECT_EQ(natural->y(), box->viewport()->height() / 2 - 15);

    click(natural);
    EXPECT_FALSE(viewer->isVisible());
    // The mode chosen last stays for the next picture.
    click(child<PictureLabel>(*details, "imgFront01"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(mode->text(), QStringLiteral("Screen Fit"));
    mode->click();
    EXPECT_EQ(mode->text(), QStringLiteral("Autosize"));
    click(fitted);
    EXPECT_FALSE(viewer->isVisible());

    // A picture slot without a picture opens an empty viewer, which Escape closes.
    click(child<PictureLabel>(*details, "imgBack01"));
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_FALSE(fitted->hasImage());
    QTest::keyClick(viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(OtherPlatforms, AttractModeAfterTheRealStartUpPicksEntriesAndStopsAgain)
{
    lib.writeSettings();
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &main = run->mainWindow();
    auto *attract = child<QAction>(main, "mnuAttract");
    auto *timer = child<QTimer>(main, "TimerDemo");
    auto *mode = child<AttractMode>(main, "AttractMode");
    auto *name = child<QLabel>(main, "lblName");
    auto *memo = child<QPlainTextEdit>(main, "memoAbout");
    attract->trigger();
    EXPECT_TRUE(attract->isChecked());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);

    // Four records fold into two entries: the random number runs over the records.
    fake.random.numbers = {1, 3};
    fake.random.bounds.clear();
    mode->TimerDemoTimer();
    EXPECT_EQ(fake.random.bounds, std::vector<int>{4});
    EXPECT_EQ(name->text(), QStringLiteral("Beta Trail"));
    EXPECT_EQ(ListEntries::currentRow(*child<QListView>(main, "lbMain")), 1);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Beta's note."));

    mode->TimerDemoTimer();
    EXPECT_EQ(main.session().browse().selectedIndex(), -1);
    EXPECT_EQ(name->text(), QStringLiteral("Beta Trail")) << "the panel stays as it was";
    EXPECT_TRUE(memo->toPlainText().isEmpty()) << "but for its note";

    attract->trigger();
    EXPECT_FALSE(attract->isChecked());
    EXPECT_FALSE(timer->isActive());
}

} // namespace
