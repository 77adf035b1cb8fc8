#include "session/AppearanceDialogs.h"
#include "presentation/AppearanceLabels.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace {

// Remembers what each colour dialog opened with.
class OpeningDialogs : public FakeDialogs
{
  public:
    std::optional<QColor> chooseColor(const QColor &initial) override
    {
        opened.push_back(initial);
        return FakeDialogs::chooseColor(initial);
    }
    std::vector<QColor> opened;
};

TEST(AppearanceDialogs, EachDialogOpensWithWhatWasConfirmedInItLast)
{
    OpeningDialogs fake;
    AppearanceDialogs dialogs(fake);
    fake.color = QColor(Qt::red);
    EXPECT_EQ(dialogs.chooseColor(), QColor(Qt::red));
    fake.color.reset();
    EXPECT_EQ(dialogs.chooseColor(), std::nullopt);
    fake.color = QColor(); // what a dialog closed without a colour may answer
    EXPECT_EQ(dialogs.chooseColor(), std::nullopt);
    dialogs.chooseColor();
    EXPECT_EQ(fake.opened, (std::vector<QColor>{Qt::white, Qt::red, Qt::red, Qt::red}));

    EXPECT_EQ(dialogs.chooseFont(), std::nullopt);
    EXPECT_EQ(fake.lastFontShown.color, QColor(Qt::black));
    fake.font = QFont(QStringLiteral("Serif"), 13);
    fake.fontColor = Qt::blue;
    ASSERT_TRUE(dialogs.chooseFont());
    fake.font.reset();
    dialogs.chooseFont();
    EXPECT_EQ(fake.lastFontShown.font.pointSize(), 13);
    dialogs.chooseFont();
    EXPECT_EQ(fake.lastFontShown.color, QColor(Qt::blue));
}

// Four colour labels keep their silver at start-up; each colour label stands at its colour's place.
TEST(AppearanceLabels, FourKeepTheirSilverAndTheColoursKeepTheirOrder)
{
    QStringList silver;
    for (int i = 0; i < AppearanceLabels::Count; ++i) {
        const AppearanceLabel &label = AppearanceLabels::all()[size_t(i)];
        EXPECT_TRUE(label.choosesFont || int(label.color) == i) << label.objectName;
        if (!label.shownAtStartUp)
            silver.append(QLatin1String(label.objectName));
    }
    EXPECT_EQ(silver, (QStringList{QStringLiteral("lblMainBGColor"), QStringLiteral("lblNameColor"),
                                   QStringLiteral("lblNoteBGColor"), QStringLiteral("lblDetailsTextColor")}));
}

} // namespace
