// One selection in Nostalgia mode against the same selection in the ordinary view, on the sample
// library with the shipped skins: what the themed view adds to every step through the list.

#include "base/IniFile.h"
#include "ui/startup/QtPlatform.h"
#include "library/FilePlaces.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"
#include "support/ListEntries.h"

#include <memory>

namespace {

// The sample data as it ships beside the program: settings, games and skins.
struct SampleFolder
{
    QTemporaryDir dir;
    QString root = dir.path() + QLatin1Char('/');

    SampleFolder()
    {
        const QString data = QStringLiteral(PALLOX_SAMPLE_GAMES "/..");
        QDirIterator it(data, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = root + QDir(data).relativeFilePath(source);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
        IniFile(root + QStringLiteral("PALLOX.ini"))
            .writeString(QStringLiteral("Main"), QStringLiteral("VADPath"), root);
    }
};

void selectAcross(benchmark::State &state, bool nostalgia)
{
    BenchApplication::shared();
    static SampleFolder sample;
    IniFile(sample.root + QStringLiteral("PALLOX.ini"))
        .writeBool(QStringLiteral("Main"), QStringLiteral("NostalgiaMode"), nostalgia);
    QtPlatform seams;
    const Platform platform = seams.platform();
    auto frm = std::make_unique<TfrmMain>(platform, sample.root, nullptr);
    frm->resize(1600, 1000);
    frm->show();
    QCoreApplication::processEvents();
    auto *list = frm->findChild<QListView *>(QLatin1String(nostalgia ? "lbNostalgiaMain" : "lbMain"));
    int index = 0;
    for (auto _ : state) {
        // Every step is another game, often of another platform or era, so another skin.
        index = (index + 5) % ListEntries::count(*list);
        ListEntries::setCurrentRow(*list, index);
    }
}

void BM_SelectInOrdinaryView(benchmark::State &state)
{
    selectAcross(state, false);
}
BENCHMARK(BM_SelectInOrdinaryView)->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_SelectInNostalgiaView(benchmark::State &state)
{
    selectAcross(state, true);
}
BENCHMARK(BM_SelectInNostalgiaView)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace
