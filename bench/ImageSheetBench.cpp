// The image sheet of a large collection: 2,000 thumbnails decoded from full-size box fronts
// (1000 × 1400 pixels; half JPEG and half PNG, or JPEG only), from "Load" to the last thumbnail shown, with
// the longest stretch during which the window could not react and the memory the sheet took.

#include "base/IniFile.h"
#include "browse/ThumbnailLoader.h"
#include "platform/Platform.h"
#include "ui/sheet/ImageSheetTab.h"
#include "ui/startup/QtPlatform.h"
#include "library/FilePlaces.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <memory>

#include <sys/resource.h>

#ifndef PALLOX_SAMPLE_GAMES
#error "PALLOX_SAMPLE_GAMES must name the sample library's Games folder"
#endif

namespace {

constexpr int kSheetGames = 2000;
constexpr int kDistinctPictures = 8;

// A box front with gradients, shapes and some noise, so that it compresses as a real one does.
QImage boxFront(int seed)
{
    QImage image(1000, 1400, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1000, 1400);
    gradient.setColorAt(0, QColor::fromHsv((seed * 45) % 360, 200, 220));
    gradient.setColorAt(1, QColor::fromHsv((seed * 45 + 120) % 360, 180, 60));
    painter.fillRect(image.rect(), gradient);
    QRandomGenerator random(static_cast<quint32>(seed + 1));
    for (int i = 0; i < 300; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(random.bounded(1000), random.bounded(1400), 20 + random.bounded(200),
                            20 + random.bounded(200));
    }
    painter.end();
    for (int y = 600; y < 800; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 1000; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image;
}

// A library of 2,000 games, each with its own front file; its data cache is written by the
// first start.
struct SheetLibrary
{
    QTemporaryDir dir;
    QString root;

    // Every other front a PNG, or JPEG only.
    explicit SheetLibrary(bool withPng)
    {
        root = dir.path() + QLatin1Char('/');
        QFile::copy(QStringLiteral(PALLOX_SAMPLE_GAMES "/../PALLOX.ini"),
                    root + QStringLiteral("PALLOX.ini"));
        IniFile(root + QStringLiteral("PALLOX.ini"))
            .writeString(QStringLiteral("Main"), QStringLiteral("VADPath"), root);
        QStringList sources;
        for (int p = 0; p < kDistinctPictures; ++p) {
            const bool jpeg = !withPng || p % 2 == 0;
            const QString path = root + QStringLiteral("source%1.%2")
                                            .arg(p)
                                            .arg(jpeg ? QStringLiteral("jpg") : QStringLiteral("png"));
            boxFront(p).save(path, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1);
            sources << path;
        }
        for (int g = 0; g < kSheetGames; ++g) {
            const QString source = sources[g % kDistinctPictures];
            const QString front = QStringLiteral("front.") + QFileInfo(source).suffix();
            const QString folder =
                root + QStringLiteral("Games/Action/Game%1/Pallox/").arg(g, 4, 10, QLatin1Char('0'));
            QDir().mkpath(folder + QStringLiteral("IniFile"));
            QDir().mkpath(folder + QStringLiteral("Front"));
            QFile::copy(source, folder + QStringLiteral("Front/") + front);
            QFile ini(folder + QStringLiteral("IniFile/game.ini"));
            ini.open(QIODevice::WriteOnly);
            ini.write(QStringLiteral("[Main]\r\nName=Game %1\r\nFront01=%2\r\n").arg(g).arg(front).toUtf8());
        }
    }
};

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void BM_ImageSheetOf2000FullSizeFronts(benchmark::State &state)
{
    const std::unique_ptr<QApplication> application = BenchApplication::ifNone();
    const bool withPng = state.range(0) != 0;
    static SheetLibrary mixed(true);
    static SheetLibrary jpegOnly(false);
    SheetLibrary &lib = withPng ? mixed : jpegOnly;
    QtPlatform seams;
    const Platform platform = seams.platform();
    TfrmMain frm(platform, lib.root, nullptr);
    frm.resize(1280, 900);
    frm.show();
    auto *sheet = frm.findChild<ImageSheetTab *>(QStringLiteral("tabImageSheet"));
    frm.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentWidget(sheet);
    auto *progress = frm.findChild<QProgressBar *>(QStringLiteral("pbImages"));
    QCoreApplication::processEvents();

    const long residentBefore = residentKiB();
    const long peakBefore = peakResidentKiB();
    double longestGapMs = 0;
    int progressSteps = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(sheet, &ImageSheetTab::sheetLoaded, &loop, &QEventLoop::quit);
        const auto stepConnection =
            QObject::connect(progress, &QProgressBar::valueChanged, [&] { ++progressSteps; });
        // A timer that should fire every few milliseconds: its longest wait is how long the
        // window stood still.
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGapMs = std::max(longestGapMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        sinceTick.start();
        ticker.start();
        sheet->findChild<QPushButton *>(QStringLiteral("btnLoadImages"))->click();
        if (sheet->findChild<ThumbnailLoader *>()->isRunning())
            loop.exec();
        ticker.stop();
        QObject::disconnect(stepConnection);
    }
    state.counters["thumbnails"] =
        static_cast<double>(sheet->findChildren<QWidget *>(QStringLiteral("imgThumbnail")).size());
    state.counters["longest_event_gap_ms"] = longestGapMs;
    state.counters["progress_steps"] = progressSteps / static_cast<double>(state.iterations());
    state.counters["peak_rss_growth_MiB"] = (peakResidentKiB() - peakBefore) / 1024.0;
    state.counters["rss_with_sheet_MiB"] = residentKiB() / 1024.0;
    state.counters["rss_before_MiB"] = residentBefore / 1024.0;
}
BENCHMARK(BM_ImageSheetOf2000FullSizeFronts)
    ->ArgName("png")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
