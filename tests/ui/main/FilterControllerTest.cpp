#include "base/SettingsFile.h"
#include "library/GridTextFile.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "ui/main/CategoryMenuController.h"
#include "ui/main/FilterController.h"
#include "ui/main/FindPanel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Keys = LibraryBuilder::Keys;

void typeKey(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// As typed on the keyboard, so that the edit reports a user's edit.
void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text)
        typeKey(target, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
}

// A library on disk, loaded by a session as at start-up, with the find panel and the category
// menus wired to the filters the way the main window wires them.
class FilterControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Games")});
        lib.writeSettings();
        addGame(QStringLiteral("Space Quest"), {{QStringLiteral("Developer"), QStringLiteral("Sierra")},
                                                {QStringLiteral("Publisher"), QStringLiteral("Sierra")},
                                                {QStringLiteral("Year"), QStringLiteral("1986")},
                                                {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                                                {QStringLiteral("Series2"), QStringLiteral("Quest")}});
        addGame(QStringLiteral("Loom"), {{QStringLiteral("Developer"), QStringLiteral("Lucasfilm")},
                                         {QStringLiteral("Publisher"), QStringLiteral("Sierra")},
                                         {QStringLiteral("Year"), QStringLiteral("1990")},
                                         {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                                         {QStringLiteral("About"), QStringLiteral("LOOM_NOTES.TXT")}});
        addGame(QStringLiteral("King's Quest"), {{QStringLiteral("Developer"), QStringLiteral("sierra")},
                                                 {QStringLiteral("Year"), QStringLiteral("1990")},
                                                 {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                                                 {QStringLiteral("Series"), QStringLiteral("Quest")}});
        addGame(QStringLiteral("Tetris"), {{QStringLiteral("Developer"), QStringLiteral("Spectrum & Co")},
                                           {QStringLiteral("Year"), QStringLiteral("1990")},
                                           {QStringLiteral("Genre"), QStringLiteral("Puzzle")},
                                           {QStringLiteral("Platform"), QStringLiteral("PC")},
                                           {QStringLiteral("OtherPlatform3"), QStringLiteral("DOS")}});

        session = std::make_unique<LibrarySession>(platform, lib.root());
        panel = new FindPanel(&window);
        for (QMenu *&menu : menus)
            menu = new QMenu(&window);
        filters = std::make_unique<FilterController>(*session, *panel);
        categories = std::make_unique<CategoryMenuController>(*filters, menus);
        QObject::connect(&session->browse(), &BrowseModel::listChanged, [this] {
            ++listBuilds;
            categories->rebuild(session->library().table());
        });
        QObject::connect(session.get(), &LibrarySession::message, [this](const QString &text) { messages << text; });

        // No data cache yet, so this scans the library and writes one.
        session->startUp();
        session->browse().select(-1);
        ASSERT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    }

    void addGame(const QString &name, const Keys &keys)
    {
        lib.addGame(QStringLiteral("Games"), QString(name).remove(QLatin1Char('\'')), name, keys);
    }

    QStringList listed() const { return session->browse().listEntries(); }

    QMenu *menu(CategoryMenu which) const { return menus[static_cast<size_t>(which)]; }
    QComboBox *combo(const char *name) { return child<QComboBox>(*panel, name); }
    QPushButton *button(const char *name) { return child<QPushButton>(*panel, name); }

    // Opens the menu's items as a user would see them, letter groups as their captions.
    QStringList captions(QMenu *target)
    {
        // What opening the menu does: its items are made as it is about to show.
        emit target->aboutToShow();
        QStringList result;
        for (QAction *action : target->actions())
            result << action->text();
        return result;
    }

    void choose(CategoryMenu which, const QString &value)
    {
        QMenu *target = menu(which);
        emit target->aboutToShow();
        for (QAction *action : target->actions()) {
            if (action->data().toString() == value) {
                action->trigger();
                return;
            }
        }
        FAIL() << "no item " << value.toStdString();
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<LibrarySession> session;
    QWidget window;
    FindPanel *panel = nullptr;
    std::array<QMenu *, CategoryMenuCount> menus{};
    std::unique_ptr<FilterController> filters;
    std::unique_ptr<CategoryMenuController> categories;
    int listBuilds = 0;
    QStringList messages;
};

const QStringList kAll{QStringLiteral("King's Quest"), QStringLiteral("Loom"), QStringLiteral("Space Quest"),
                       QStringLiteral("Tetris")};

TEST_F(FilterControllerTest, FiltersAccumulateUntilClearReloadsTheDataCache)
{
    ASSERT_EQ(listed(), kAll);
    session->filter().fieldFilter(QStringLiteral("Developer"), QStringLiteral("Sierra"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Space Quest")}) << "exact and case-sensitive";
    EXPECT_EQ(combo("cbShowOnly1")->currentText(), QStringLiteral("Developer"));
    EXPECT_EQ(combo("cbShowOnly2")->currentText(), QStringLiteral("Sierra"));
    // The value list offers each developer once whatever its case, after the empty value.
    ASSERT_GE(combo("cbShowOnly2")->count(), 1);
    EXPECT_EQ(combo("cbShowOnly2")->itemText(0), QString());
    int spellings = 0;
    for (int i = 0; i < combo("cbShowOnly2")->count(); ++i)
        spellings +=
            combo("cbShowOnly2")->itemText(i).compare(QStringLiteral("sierra"), Qt::CaseInsensitive) == 0;
    EXPECT_EQ(spellings, 1);

    session->browse().setSortField(QStringLiteral("Year"));
    ASSERT_TRUE(session->browse().listShowsSortValue());
    session->filter().fieldFilter(QStringLiteral("Year"), QStringLiteral("1990"));
    EXPECT_TRUE(listed().isEmpty()) << "the second filter narrows what the first left";

    button("btnClearFind")->click();
    EXPECT_EQ(listed(), kAll);
    EXPECT_FALSE(session->browse().listShowsSortValue());
    // Sorted by name again: a refresh keeps that sort, whatever the one before Clear was.
    session->browse().resort();
    EXPECT_EQ(listed(), kAll);
    EXPECT_FALSE(session->browse().listShowsSortValue());
    EXPECT_TRUE(combo("cbShowOnly1")->currentText().isEmpty());
    EXPECT_TRUE(combo("cbShowOnly2")->currentText().isEmpty());
    EXPECT_FALSE(button("btnGoFind")->isVisibleTo(panel));
}

TEST_F(FilterControllerTest, TextSearchRunsFromGoAndTypingOffersGoOnlyForAll)
{
    // Keys go to the box, which hands them to its edit, as the keyboard focus does.
    QComboBox *box = combo("cbShowOnly2");
    session->filter().fillFieldList();
    box->lineEdit()->clear();
    typeText(box, QStringLiteral("quest"));
    EXPECT_TRUE(button("btnGoFind")->isVisibleTo(panel));
    EXPECT_EQ(listed(), kAll) << "typing a search text filters nothing yet";
    button("btnGoFind")->click();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("King's Quest"), QStringLiteral("Space Quest")}));

    button("btnClearFind")->click();
    combo("cbShowOnly2")->setEditText(QStringLiteral("notes"));
    emit panel->goClicked();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Loom")}) << "the About file name counts";

    combo("cbShowOnly2")->setEditText(QString());
    emit panel->goClicked();
    EXPECT_TRUE(listed().isEmpty()) << "an empty search text keeps no game";
}

TEST_F(FilterControllerTest, ValueBoxFiltersOnAChoiceOrOnEnterOnce)
{
    combo("cbShowOnly1")->setEditText(QStringLiteral("Year"));
    emit panel->fieldChanged();
    ASSERT_GE(combo("cbShowOnly2")->findText(QStringLiteral("1990")), 0);
    QComboBox *box = combo("cbShowOnly2");
    QLineEdit *value = box->lineEdit();
    value->clear();
    typeText(box, QStringLiteral("1990"));
    EXPECT_EQ(listed(), kAll) << "typing alone does not filter";
    EXPECT_FALSE(button("btnGoFind")->isVisibleTo(panel));
    const int builds = listBuilds;
    typeKey(box, Qt::Key_Return);
    EXPECT_EQ(listBuilds, builds + 1) << "one filter for one Enter";
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("King's Quest"), QStringLiteral("Loom"), QStringLiteral("Tetris")}));

    // A typed value that is not in the list filters on Enter as well.
    value->clear();
    typeText(box, QStringLiteral("19"));
    typeKey(box, Qt::Key_Return);
    EXPECT_EQ(listBuilds, builds + 2);
    EXPECT_TRUE(listed().isEmpty());
}

// The filter compares exactly, so the box must hand on the spelling the user typed: the list's
// "Sierra" may not stand in for a typed "sierra". Picking "Sierra" from the list still gives it.
TEST_F(FilterControllerTest, ValueBoxComparesWhatWasTyped)
{
    combo("cbShowOnly1")->setEditText(QStringLiteral("Publisher"));
    emit panel->fieldChanged();
    QComboBox *box = combo("cbShowOnly2");
    const int sierra = box->findText(QStringLiteral("Sierra"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(sierra, 0);
    box->lineEdit()->clear();
    typeText(box, QStringLiteral("sierra"));
    const int builds = listBuilds;
    typeKey(box, Qt::Key_Return);
    EXPECT_EQ(box->currentText(), QStringLiteral("sierra"));
    EXPECT_EQ(listBuilds, builds + 1) << "one filter for one Enter";
    EXPECT_TRUE(listed().isEmpty()) << "no publisher is spelled \"sierra\"";

    button("btnClearFind")->click();
    combo("cbShowOnly1")->setEditText(QStringLiteral("Publisher"));
    emit panel->fieldChanged();
    box->showPopup();
    box->view()->setCurrentIndex(box->model()->index(sierra, 0));
    typeKey(box->view(), Qt::Key_Return);
    EXPECT_EQ(box->currentText(), QStringLiteral("Sierra"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Loom"), QStringLiteral("Space Quest")}));
}

TEST_F(FilterControllerTest, CategoryMenusDrillDownAndCarryExactValues)
{
    EXPECT_EQ(captions(menu(CategoryMenu::Developer)),
              (QStringList{QStringLiteral("Lucasfilm"), QStringLiteral("sierra"), QStringLiteral("Spectrum && Co")}))
        << "one item per developer whatever its case; '&' is no accelerator";
    EXPECT_EQ(captions(menu(CategoryMenu::DevOrPub)),
              (QStringList{QStringLiteral("Lucasfilm"), QStringLiteral("sierra"), QStringLiteral("Spectrum && Co")}));
    EXPECT_EQ(captions(menu(CategoryMenu::Platform)), QStringList{QStringLiteral("PC")});

    choose(CategoryMenu::Developer, QStringLiteral("Spectrum & Co"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Tetris")});

    session->filter().restoreAll();
    choose(CategoryMenu::Genre, QStringLiteral("Adventure"));
    EXPECT_EQ(captions(menu(CategoryMenu::Developer)), (QStringList{QStringLiteral("Lucasfilm"), QStringLiteral("sierra")}))
        << "after a genre only its developers";
    choose(CategoryMenu::DevOrPub, QStringLiteral("sierra"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("King's Quest")});

    // The mode is consumed by its filter: the next Developer filter reads the developer alone.
    session->filter().restoreAll();
    session->filter().fieldFilter(QStringLiteral("Developer"), QStringLiteral("Sierra"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Space Quest")}) << "consumed by its filter";

    session->filter().restoreAll();
    // Typed by hand, since the menu offers the first spelling only.
    filters->categoryClick(CategoryMenu::DevOrPub, QStringLiteral("Sierra"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Loom"), QStringLiteral("Space Quest")})) << "developer or publisher";
}

TEST_F(FilterControllerTest, FortyDevelopersGiveSevenLetterGroups)
{
    // A table made by hand, brought in as the data cache that Show All reads.
    GameTable grid = session->library().table();
    const LibraryModel &library = session->library();
    const QString cacheFile = library.state().Places.dataCache(library.root()).file;
    const int developer = grid.column(QStringLiteral("Developer"));
    const auto withDevelopers = [&](int count) {
        grid.setRowCount(1);
        for (int i = 0; i < count; ++i) {
            std::vector<QString> cells(static_cast<size_t>(grid.columnCount()));
            cells[1] = QStringLiteral("Game %1").arg(i);
            cells[static_cast<size_t>(developer)] =
                i == 0 ? QStringLiteral("3D Realms") : i == 1 ? QStringLiteral("zeppelin") : QStringLiteral("Maker %1").arg(i);
            grid.appendRow(std::move(cells));
        }
        ASSERT_TRUE(SaveStringGrid(grid, cacheFile));
        session->filter().restoreAll();
    };
    withDevelopers(39);
    EXPECT_EQ(captions(menu(CategoryMenu::Developer)).size(), 39);
    withDevelopers(40);
    const QStringList groups = captions(menu(CategoryMenu::Developer));
    EXPECT_EQ(groups, (QStringList{QStringLiteral("#-C"), QStringLiteral("D-G"), QStringLiteral("H-K"),
                                   QStringLiteral("L-O"), QStringLiteral("P-S"), QStringLiteral("T-W"),
                                   QStringLiteral("X-Z")}));
    const QList<QAction *> groupActions = menu(CategoryMenu::Developer)->actions();
    EXPECT_EQ(captions(groupActions[0]->menu()), QStringList{QStringLiteral("3D Realms")});
    EXPECT_EQ(captions(groupActions[3]->menu()).size(), 38);
    EXPECT_EQ(captions(groupActions[6]->menu()), QStringList{QStringLiteral("zeppelin")});
    EXPECT_TRUE(captions(groupActions[1]->menu()).isEmpty());

    groupActions[6]->menu()->actions().front()->trigger();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Game 1")});
    EXPECT_EQ(captions(menu(CategoryMenu::Developer)), QStringList{QStringLiteral("zeppelin")})
        << "the groups go with their values";
}

TEST_F(FilterControllerTest, FindPanelOpensOnceAndClosingKeepsTheFilter)
{
    QList<int> opened;
    int closed = 0;
    QObject::connect(panel, &FindPanel::opened, [&](int shift) { opened << shift; });
    QObject::connect(panel, &FindPanel::closed, [&] { ++closed; });
    combo("cbShowOnly1")->setEditText(QStringLiteral("Year"));
    panel->Find1Click();
    panel->Find1Click();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.front(), FindPanel::PanelHeight + 6);
    EXPECT_TRUE(combo("cbShowOnly1")->currentText().isEmpty());
    EXPECT_TRUE(panel->isOpen());

    session->filter().fieldFilter(QStringLiteral("Genre"), QStringLiteral("Puzzle"));
    button("btnCloseFind")->click();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(panel->isOpen());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Tetris")});
}

TEST_F(FilterControllerTest, SearchFieldCaptionClickRestores)
{
    session->filter().fieldFilter(QStringLiteral("Genre"), QStringLiteral("Puzzle"));
    window.show();
    panel->Find1Click();
    QLabel *caption = child<QLabel>(*panel, "lblSearchField");
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, caption->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(caption, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, caption->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(caption, &release);
    EXPECT_EQ(listed(), kAll);
}

TEST_F(FilterControllerTest, HoverColoursComeFromTheSettingsAtEachCall)
{
    QLabel label(QStringLiteral("Sierra"), &window);
    filters->watchHover({&label});
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x32, 0xCD, 0x32)) << "the default $32CD32";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x22, 0x8B, 0x22));

    // Written as a hand edit of the file would be, behind the session's back.
    IniFile edited(session->settings().fileName());
    ASSERT_TRUE(edited.writeString(QStringLiteral("Main"), QStringLiteral("DetailsHLColor"), QStringLiteral("clRed")));
    ASSERT_TRUE(edited.writeString(QStringLiteral("Main"), QStringLiteral("DetailsColor"), QStringLiteral("$FF0000")));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::blue)) << "blue-green-red order";
}

} // namespace
