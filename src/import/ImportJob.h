#pragma once

#include "import/ImportPreview.h"
#include "import/ImportRun.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

class QThread;

// The preview and the import on a thread of their own, so that a window stays alive while a
// large source is read from a slow disk or thousands of game folders are made. Progress and the
// end arrive as signals on the owner's thread; the results are taken there once finished() came.
class ImportJob : public QObject
{
    Q_OBJECT
public:
    explicit ImportJob(QObject *parent = nullptr);
    // Cancels what runs and waits for it: nothing is left half made.
    ~ImportJob() override;

    // False, and nothing started, while something runs.
    bool preview(SourceRequest source, ImportTarget target, QStringList categories);
    bool import(std::vector<ImportRow> rows, ImportTarget target);
    bool isRunning() const;
    // The preview stops where it is; the import after the game it is making.
    void cancel();

    Result<ImportPreview> takePreview();
    ImportSummary takeSummary();

signals:
    // Games made of the ticked ones, during an import.
    void progress(int done, int total);
    void finished();

private:
    bool start(std::function<void()> work);

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_cancel{false};
    std::optional<Result<ImportPreview>> m_preview;
    ImportSummary m_summary;
};
