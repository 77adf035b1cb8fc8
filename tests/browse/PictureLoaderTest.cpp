#include "browse/PictureLoader.h"
#include "support/ResultText.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

struct Delivered
{
    int index;
    QImage image;
    QString error;
};

} // namespace

// Holding the arrow key: what an earlier selection still reads is never shown, and its files
// not begun yet are never opened.
TEST(PictureLoaderTest, OnlyTheLastLoadDeliversAndItsPredecessorsQueueIsDropped)
{
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int waiting = 0;
    QSet<QString> read;
    PictureLoader loader(
        [&](const QString &path) -> Result<QImage> {
            std::unique_lock<std::mutex> lock(mutex);
            read.insert(path);
            if (path != QLatin1String("new")) {
                ++waiting;
                changed.notify_all();
                changed.wait(lock, [&] { return open; });
            }
            QImage image(2, 2, QImage::Format_RGB32);
            image.fill(path == QLatin1String("new") ? Qt::green : Qt::red);
            return image;
        },
        nullptr);
    std::vector<Delivered> delivered;
    QObject::connect(&loader, &PictureLoader::pictureReady, &loader,
                     [&delivered](int index, const Result<QImage> &picture) {
                         delivered.push_back({index, picture.value_or(QImage()), messageOf(picture)});
                     });

    loader.load({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                 QStringLiteral("e")});
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return waiting >= 3; }));
    }
    loader.load({QString(), QStringLiteral("new")});
    EXPECT_EQ(loader.pending(), 1);
    {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
    }
    changed.notify_all();

    ASSERT_TRUE(QTest::qWaitFor([&] { return loader.pending() == 0; }, 10000));
    // The stale reads finish too; their hand-overs must still be dropped.
    QTest::qWait(100);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].index, 1);
    EXPECT_EQ(delivered[0].image.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(loader.pending(), 0);
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_FALSE(read.contains(QStringLiteral("d")));
    EXPECT_FALSE(read.contains(QStringLiteral("e")));
}

// Each file of the current load arrives under its own index: a picture, one that is there but
// cannot be decoded (with the message the user sees, naming the file as found), one that is
// missing (silently).
TEST(PictureLoaderTest, DeliversEachFileOfTheCurrentLoadWithItsError)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Named in another letter case than on disk, as the library's rows may name them.
    const QString good = folder.filePath(QStringLiteral("Front.PNG"));
    const QString broken = folder.filePath(QStringLiteral("Back.png"));
    const QString missing = folder.filePath(QStringLiteral("title.png"));
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(good));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();

    PictureLoader loader;
    std::vector<Delivered> delivered;
    QObject::connect(&loader, &PictureLoader::pictureReady, &loader,
                     [&delivered](int index, const Result<QImage> &picture) {
                         delivered.push_back({index, picture.value_or(QImage()), messageOf(picture)});
                     });
    loader.load({folder.filePath(QStringLiteral("front.png")), QString(), folder.filePath(QStringLiteral("BACK.png")),
                 missing});
    EXPECT_EQ(loader.pending(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 3; }, 10000));
    std::sort(delivered.begin(), delivered.end(),
              [](const Delivered &a, const Delivered &b) { return a.index < b.index; });
    EXPECT_EQ(delivered[0].index, 0);
    EXPECT_EQ(delivered[0].image.size(), QSize(8, 4));
    EXPECT_TRUE(delivered[0].error.isEmpty());
    EXPECT_EQ(delivered[1].index, 2);
    EXPECT_TRUE(delivered[1].image.isNull());
    EXPECT_TRUE(delivered[1].error.startsWith(QStringLiteral("Could not show the picture \"%1\": ").arg(broken)))
        << delivered[1].error.toStdString();
    EXPECT_EQ(delivered[2].index, 3);
    EXPECT_TRUE(delivered[2].image.isNull());
    EXPECT_TRUE(delivered[2].error.isEmpty());
    EXPECT_EQ(loader.pending(), 0);
}
