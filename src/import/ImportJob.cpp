#include "import/ImportJob.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>

ImportJob::ImportJob(QObject *parent) : QObject(parent) {}

ImportJob::~ImportJob()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

bool ImportJob::isRunning() const
{
    return m_thread && !m_thread->isFinished();
}

void ImportJob::cancel()
{
    m_cancel = true;
}

bool ImportJob::start(std::function<void()> work)
{
    if (isRunning())
        return false;
    if (m_thread)
        m_thread->wait();
    m_cancel = false;
    m_thread.reset(QThread::create(std::move(work)));
    m_thread->setObjectName(QStringLiteral("Import"));
    // QThread::finished comes from the worker; the context object brings it to our thread.
    connect(m_thread.get(), &QThread::finished, this, &ImportJob::finished);
    m_thread->start();
    return true;
}

bool ImportJob::preview(SourceRequest source, ImportTarget target, QStringList categories)
{
    return start([this, source = std::move(source), target = std::move(target), categories = std::move(categories)] {
        m_preview = ImportPreview::build(source, target, categories, &m_cancel);
    });
}

bool ImportJob::import(std::vector<ImportRow> rows, ImportTarget target)
{
    return start([this, rows = std::move(rows), target = std::move(target)] {
        // A gauge moves a pixel every few dozen games of a large import; one notice per game
        // would only fill the window's queue.
        QElapsedTimer sinceReport;
        sinceReport.start();
        m_summary = ImportRun::run(rows, target, [this, &sinceReport](int done, int total) {
            if (done == 0 || done == total || sinceReport.elapsed() >= 15) {
                sinceReport.restart();
                emit progress(done, total);
            }
        }, &m_cancel);
    });
}

Result<ImportPreview> ImportJob::takePreview()
{
    if (m_thread)
        m_thread->wait();
    Result<ImportPreview> taken = m_preview ? std::move(*m_preview) : Result<ImportPreview>(Failure(Failure::Kind::Cancelled));
    m_preview.reset();
    return taken;
}

ImportSummary ImportJob::takeSummary()
{
    if (m_thread)
        m_thread->wait();
    return std::exchange(m_summary, ImportSummary());
}
