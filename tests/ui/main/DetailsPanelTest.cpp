#include "presentation/MainLayout.h"
#include "browse/DetailsContent.h"
#include "browse/PictureLoader.h"
#include "library/GameTable.h"
#include "ui/main/DetailsPanel.h"
#include "ui/common/PictureLabel.h"
#include "support/Files.h"
#include "support/PipeGuard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

// One game with real pictures: a good front, back and advert, a title that is no picture, an
// empty screen file and a media file that is not there.
class DetailsPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_meta = m_dir.path() + QStringLiteral("/Games/Action/Doom/Pallox");
        writePicture(QStringLiteral("Front/front.png"), QSize(40, 60));
        writePicture(QStringLiteral("Back/back.png"), QSize(40, 60));
        writePicture(QStringLiteral("Advert/ad.png"), QSize(30, 20));
        writeBytes(QStringLiteral("Title/title.png"), "this is not a picture");
        writeBytes(QStringLiteral("Screen/screen.png"), QByteArray());

        const QStringList fields{QStringLiteral("Number"),   QStringLiteral("Name"),    QStringLiteral("Folder"),
                                 QStringLiteral("Year"),     QStringLiteral("Series2"), QStringLiteral("Platform"),
                                 QStringLiteral("OtherPlatform1"), QStringLiteral("OtherPlatform2"),
                                 QStringLiteral("Front01"),  QStringLiteral("Back01"),  QStringLiteral("Title01"),
                                 QStringLiteral("Screen01"), QStringLiteral("Media01"), QStringLiteral("Adv01"),
                                 QStringLiteral("Setup"),    QStringLiteral("Extra1"),  QStringLiteral("ExtraLink1")};
        const QStringList values{QStringLiteral("1"),        QStringLiteral("Doom"),    QStringLiteral("Action\\Doom"),
                                 QStringLiteral("1993"),     QStringLiteral("Doom"),    QStringLiteral("DOS"),
                                 QStringLiteral("Jaguar"),   QStringLiteral("32X"),
                                 QStringLiteral("front.png"), QStringLiteral("back.png"), QStringLiteral("title.png"),
                                 QStringLiteral("screen.png"), QStringLiteral("media.png"), QStringLiteral("ad.png"),
                                 QString(),                  QStringLiteral("Map"),     QStringLiteral("map.png")};
        m_table.setSize(int(fields.size()), 2);
        for (int c = 0; c < fields.size(); ++c) {
            m_table.setCell(c, 0, fields[c]);
            m_table.setCell(c, 1, values[c]);
        }
        m_parent.resize(1000, 700);
        m_panel = new DetailsPanel(&m_parent);
    }

    void writePicture(const QString &relative, const QSize &size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(m_meta + u'/' + relative).path()));
        ASSERT_TRUE(image.save(m_meta + u'/' + relative, "PNG"));
    }

    void writeBytes(const QString &relative, const QByteArray &bytes)
    {
        ASSERT_TRUE(writeFile(m_meta + u'/' + relative, bytes));
    }

    void fillAndLayOut(bool forced = false)
    {
        m_panel->fill(DetailsContent::forRow(m_table, 1, m_dir.path(), forced));
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_panel->findChild<PictureLoader *>()->pending() == 0; }, 10000));
        layOut();
    }

    void layOut(int windowHeight = 700)
    {
        MainLayout::Input in;
        in.windowSize = QSize(1000, windowHeight);
        in.clientHeight = windowHeight - 50;
        in.view.panelDetails = QRect(300, 0, 690, windowHeight - 70);
        in.view.panelNoDetails = in.view.panelDetails;
        in.resizeExtrasBox = true;
        m_panel->describe(in);
        const MainLayout::Result r = MainLayout::layout(in);
        ASSERT_FALSE(r.resizeWindow);
        m_panel->applyLayout(r);
    }

    void setCell(const char *field, const QString &value)
    {
        m_table.setCell(m_table.column(QLatin1String(field)), 1, value);
    }

    // Controls by name, the simple view's included: it is a sibling of the panel.
    template <class Control> Control *child(const char *name) const
    {
        auto *control = m_parent.findChild<Control *>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    PictureLabel *picture(const char *name) const { return child<PictureLabel>(name); }

    static void click(QLabel *label)
    {
        const QPointF inside(1, 1);
        QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &press);
        QApplication::sendEvent(label, &release);
    }

    QTemporaryDir m_dir;
    QString m_meta;
    GameTable m_table;
    QWidget m_parent;
    DetailsPanel *m_panel = nullptr;
};

} // namespace

TEST_F(DetailsPanelTest, PicturesThatCannotBeReadStayHiddenWithoutAMessage)
{
    fillAndLayOut();
    EXPECT_FALSE(picture("imgFront01")->isHidden());
    EXPECT_FALSE(picture("imgFront02")->isHidden());
    EXPECT_FALSE(picture("imgBack01")->isHidden());
    EXPECT_FALSE(picture("imgBack02")->isHidden());
    EXPECT_FALSE(picture("imgAdv")->isHidden());
    for (PictureLabel *broken : {picture("imgTitle01"), picture("imgTitle02"), picture("imgScreen01"),
                                 picture("imgScreen02"), picture("imgMedia01")})
        EXPECT_TRUE(broken->isHidden()) << broken->objectName().toStdString();
    EXPECT_EQ(picture("imgFront01")->image().size(), QSize(40, 60));
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QMessageBox *>(window), nullptr);

    // The advert shares the media row, and a shown back keeps the front at its own width.
    EXPECT_EQ(picture("imgAdv")->x(), picture("imgMedia01")->x() + picture("imgMedia01")->width());
    EXPECT_EQ(picture("imgAdv")->width(), child<QWidget>("shapeScreen")->width() / 2);
    EXPECT_EQ(picture("imgFront01")->width(), picture("imgBack01")->width());

    // The next game has no back and no pictures folder for the rest: the front spans both places.
    setCell("Back01", QString());
    setCell("Adv01", QString());
    fillAndLayOut();
    EXPECT_TRUE(picture("imgBack01")->isHidden());
    EXPECT_TRUE(picture("imgBack02")->isHidden());
    EXPECT_TRUE(picture("imgAdv")->isHidden());
    EXPECT_EQ(picture("imgFront01")->width(), 2 * picture("imgBack01")->width());
    EXPECT_EQ(picture("imgMedia01")->width(), child<QWidget>("shapeScreen")->width());
}

#if defined(Q_OS_UNIX)
TEST_F(DetailsPanelTest, NotesAndPicturesThatArePipesReadAsMissing)
{
    // Opening a pipe for reading waits for a writer, which would freeze the window on selection.
    const QString note = m_meta + QStringLiteral("/About/doom.txt");
    const QString picture = m_meta + QStringLiteral("/Media/media.png");
    ASSERT_TRUE(QDir().mkpath(m_meta + QStringLiteral("/About")));
    ASSERT_TRUE(QDir().mkpath(m_meta + QStringLiteral("/Media")));
    for (const QString &pipe : {note, picture})
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QStringList lines{QStringLiteral("unread")};
    EXPECT_TRUE(returnsWithoutAWriter(note, [&] { lines = DetailsContent::readNoteLines(note).value_or(QStringList()); }));
    EXPECT_TRUE(lines.isEmpty());
    QImage image(1, 1, QImage::Format_RGB32);
    EXPECT_TRUE(returnsWithoutAWriter(picture, [&] { image = PictureLabel::load(picture).value_or(QImage()); }));
    EXPECT_TRUE(image.isNull());
}
#endif

TEST_F(DetailsPanelTest, LabelsFollowTheContent)
{
    setCell("Series2", QStringLiteral("Doom: The Complete Saga of Hell"));
    fillAndLayOut();
    EXPECT_EQ(label("lblYear")->text(), QStringLiteral("1993"));
    EXPECT_FALSE(label("lblYear")->isHidden());
    EXPECT_TRUE(label("lblSetup")->isHidden());
    EXPECT_TRUE(label("lblManual2")->isHidden());
    // The extra's link is opened by a click, never shown.
    for (const QLabel *label : m_panel->findChildren<QLabel *>())
        EXPECT_FALSE(!label->isHidden() && label->text() == QLatin1String("map.png"))
            << qPrintable(label->objectName());
    EXPECT_EQ(label("lblExtras")->text(), QStringLiteral("Extras"));
    EXPECT_FALSE(label("lblComma1")->isHidden());
    EXPECT_FALSE(label("lblComma2")->isHidden());
    EXPECT_TRUE(label("lblComma3")->isHidden());
    EXPECT_TRUE(label("lblPlatform")->font().underline());
    EXPECT_FALSE(label("lblOtherPlatform1")->font().underline());
    EXPECT_TRUE(label("lblOtherPlatform1")->font().bold());

    // Platform row chained after the platform, separators in the gaps.
    const QRect platform = label("lblPlatform")->geometry();
    EXPECT_EQ(label("lblComma1")->x(), platform.x() + platform.width());
    EXPECT_EQ(label("lblOtherPlatform1")->x(), platform.x() + platform.width() + 6);
    EXPECT_EQ(label("lblOtherPlatform1")->y(), platform.y());
    // The extras column clears the widest fact beside it, here the long second series.
    const QRect series2 = label("lblSeries2")->geometry();
    EXPECT_EQ(label("lblExtra1")->x(), series2.x() + series2.width() + 20);
    EXPECT_EQ(label("lblExtras")->y(), 30);
    EXPECT_EQ(label("lblExtra7")->y(), 170);

    // A platform switch keeps the listed game's platforms.
    setCell("Platform", QStringLiteral("Jaguar"));
    setCell("OtherPlatform1", QStringLiteral("DOS"));
    setCell("Extra1", QString());
    fillAndLayOut(true);
    EXPECT_EQ(label("lblPlatform")->text(), QStringLiteral("DOS"));
    EXPECT_EQ(label("lblOtherPlatform1")->text(), QStringLiteral("Jaguar"));
    EXPECT_EQ(label("lblExtras")->text(), QStringLiteral("No Extras"));
}

TEST_F(DetailsPanelTest, ClicksReportTheirFacts)
{
    fillAndLayOut();
    QStringList fields;
    QStringList platforms;
    QStringList extras;
    QObject::connect(m_panel, &DetailsPanel::fieldClicked, m_panel, [&](const QString &field, const QString &value) {
        fields << field + u'=' + value;
    });
    QObject::connect(m_panel, &DetailsPanel::platformClicked, m_panel, [&](int index, const QString &platform) {
        platforms << QString::number(index) + u'=' + platform;
    });
    QObject::connect(m_panel, &DetailsPanel::extraClicked, m_panel,
                     [&](int number, const QString &title, const QString &link) {
                         extras << QString::number(number) + u'=' + title + u'=' + link;
                     });
    click(label("lblSeries2"));
    click(label("lblOtherPlatform2"));
    click(label("lblExtra1"));
    // The second series filters over both series columns, by the name of the first.
    EXPECT_EQ(fields, QStringList{QStringLiteral("Series=Doom")});
    EXPECT_EQ(platforms, QStringList{QStringLiteral("2=32X")});
    EXPECT_EQ(extras, QStringList{QStringLiteral("1=Map=map.png")});
}

TEST_F(DetailsPanelTest, NameBannerFit)
{
    fillAndLayOut();
    child<QWidget>("Gradient4")->setGeometry(0, 0, 690, 200);
    EXPECT_EQ(m_panel->fitNameBanner(), 38);
    EXPECT_EQ(label("lblName")->font().pointSize(), 38);
    EXPECT_EQ(label("lblNameShadow")->font().pointSize(), 38);
    EXPECT_EQ(label("lblNameShadow")->pos(), label("lblName")->pos() + QPoint(4, 4));

    label("lblName")->setText(QStringLiteral("The Secret of Monkey Island: Special Edition"));
    child<QWidget>("Gradient4")->setGeometry(0, 0, 300, 40);
    const int size = m_panel->fitNameBanner();
    EXPECT_LE(size, 38);
    EXPECT_LT(label("lblName")->width(), 300);
    EXPECT_LT(label("lblName")->height(), 40);
    EXPECT_GE(label("lblName")->x(), 0);

    // A banner too small for any size ends at the lower bound.
    child<QWidget>("Gradient4")->setGeometry(0, 0, 8, 4);
    EXPECT_EQ(m_panel->fitNameBanner(), MainLayout::NameMinimumSize);
    child<QWidget>("Gradient4")->setGeometry(0, 0, 300, 2);
    m_panel->fitNameBanner();
    EXPECT_TRUE(child<QWidget>("Gradient4")->isHidden());
}

TEST_F(DetailsPanelTest, FactsScrollBarFollowsTheBoxHeight)
{
    fillAndLayOut(); // a 630-high panel: facts box lower than the fact rows
    const QWidget *box = child<QWidget>("panelStats");
    const QWidget *area = child<QWidget>("panelScrollStats");
    auto *bar = child<QScrollBar>("sbDetails");
    ASSERT_LT(box->height(), label("lblSetup")->y() + label("lblSetup")->height());
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), box->height());
    bar->setValue(30);
    EXPECT_EQ(area->y(), -30);
    EXPECT_EQ(area->height(), box->height() + 30);

    layOut(1400); // the capped 250-pixel box holds every row
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(area->geometry(), QRect(QPoint(0, 0), box->size()));
}
