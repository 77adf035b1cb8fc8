#include "ui/main/ExportController.h"

#include "export/LaunchBoxExport.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "ui/main/DetailsPanel.h"
#include "ui/common/WaitCursor.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <memory>

ExportController::ExportController(LibrarySession &session, QWidget &page, const DetailsPanel &details)
    : QObject(&page), m_session(session), m_page(page), m_details(details)
{
    pbExporting = new QProgressBar(&page);
    pbExporting->setObjectName(QStringLiteral("pbExporting"));
    pbExporting->setTextVisible(false);
    pbExporting->hide();
}

void ExportController::mnuExportClick()
{
    const Platform &platform = m_session.platform();
    const QString dataFile = platform.dialogs.openFile(QStringLiteral("Export to LaunchBox"),
                                                       QStringLiteral("xml File (*.xml)|*.XML"), QString());
    if (dataFile.isEmpty())
        return;
    // The window stays blocked until the file is saved; without this it would go on showing the
    // closed dialog over itself while a large file is read.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_page.window()->repaint();

    LaunchBoxExport exporter(m_session.library().table(), m_session.library().root(), platform.clock,
                             platform.fileOps);
    LaunchBoxExport::Progress progress;
    progress.started = [this](int games) {
        pbExporting->setGeometry(m_details.nameBannerRect(&m_page));
        pbExporting->setRange(0, games);
        pbExporting->setValue(0);
        pbExporting->raise();
        pbExporting->show();
    };
    // The window is blocked while the export runs; the gauge repaints itself as it moves.
    progress.gameStarted = [this](int number) { pbExporting->setValue(number); };

    Result<void> exported;
    {
        const WaitCursor wait;
        // Also when the export ends in an exception, which the top-level handler shows.
        const std::unique_ptr<QProgressBar, void (*)(QProgressBar *)> hideGauge(
            pbExporting, [](QProgressBar *gauge) { gauge->hide(); });
        exported = exporter.run(dataFile, progress);
    }
    if (!exported)
        platform.dialogs.message(exported.error().message());
}
