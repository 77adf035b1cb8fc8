#include "ui/main/RefreshController.h"

#include "platform/Dialogs.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "session/LibraryModel.h"
#include "ui/main/ReloadGauge.h"

RefreshController::RefreshController(LibrarySession &session, Dialogs &dialogs, ReloadGauge &gamesGauge,
                                     ReloadGauge &categoriesGauge, QObject *parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), pbReloading(gamesGauge),
      pbReloading2(categoriesGauge)
{
    setObjectName(QStringLiteral("RefreshController"));
    showGauges(false);
    connect(&session.library(), &LibraryModel::scanRunning, this, &RefreshController::showGauges);
    // The start-up scan reports through the same signals, to the splash screen.
    connect(&session.library(), &LibraryModel::scanCategoriesStarted, this, [this](int count) {
        if (m_session.library().isScanRunning())
            pbReloading2.setRange(0, count - 1);
    });
    connect(&session.library(), &LibraryModel::scanCategoryStarted, this, [this](int index, int, const QString &) {
        if (m_session.library().isScanRunning())
            pbReloading2.setValue(index);
    });
    connect(&session.library(), &LibraryModel::scanGamesStarted, this, [this](int count) {
        if (m_session.library().isScanRunning()) {
            pbReloading.setRange(0, count - 1);
            pbReloading.setValue(0);
        }
    });
    connect(&session.library(), &LibraryModel::scanGameStarted, this, [this](int index) {
        if (m_session.library().isScanRunning())
            pbReloading.setValue(index);
    });
}

void RefreshController::refreshAll()
{
    // The menus hold this command while a scan runs; a folder delete does not wait for them,
    // and the scan under way may already have read the deleted folder, so it reads once more.
    if (m_dialogs.confirmWarning(QStringLiteral("Are you sure?")))
        m_session.library().refreshAllWhenIdle();
}

void RefreshController::reloadData()
{
    // A second command while one runs would only read the same library again.
    if (m_session.library().isScanRunning())
        return;
    if (m_dialogs.confirmWarning(QStringLiteral("Are you sure?")))
        m_session.library().refreshAll(true);
}

void RefreshController::refreshThisGame()
{
    m_session.browse().refreshThisGame();
}

void RefreshController::showGauges(bool shown)
{
    for (ReloadGauge *gauge : {&pbReloading, &pbReloading2}) {
        if (shown) {
            gauge->setRange(0, 0);
            gauge->setValue(0);
            gauge->raise();
        }
        gauge->setVisible(shown);
    }
}
