#include "ui/main/RefreshController.h"

#include "platform/Dialogs.h"
#include "session/LibrarySession.h"
#include "ui/main/ReloadGauge.h"

RefreshController::RefreshController(LibrarySession &session, Dialogs &dialogs, ReloadGauge &gamesGauge,
                                     ReloadGauge &categoriesGauge, QObject *parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), pbReloading(gamesGauge),
      pbReloading2(categoriesGauge)
{
    setObjectName(QStringLiteral("RefreshController"));
    showGauges(false);
    connect(&session, &LibrarySession::scanRunning, this, &RefreshController::showGauges);
    // The start-up scan reports through the same signals, to the splash screen.
    connect(&session, &LibrarySession::scanCategoriesStarted, this, [this](int count) {
        if (m_session.isScanRunning())
            pbReloading2.setRange(0, count - 1);
    });
    connect(&session, &LibrarySession::scanCategoryStarted, this, [this](int index, int, const QString &) {
        if (m_session.isScanRunning())
            pbReloading2.setValue(index);
    });
    connect(&session, &LibrarySession::scanGamesStarted, this, [this](int count) {
        if (m_session.isScanRunning()) {
            pbReloading.setRange(0, count - 1);
            pbReloading.setValue(0);
        }
    });
    connect(&session, &LibrarySession::scanGameStarted, this, [this](int index) {
        if (m_session.isScanRunning())
            pbReloading.setValue(index);
    });
}

void RefreshController::refreshAll()
{
    // The menus hold this command while a scan runs; a folder delete does not wait for them,
    // and the scan under way may already have read the deleted folder, so it reads once more.
    if (m_dialogs.confirmWarning(QStringLiteral("Are you sure?")))
        m_session.refreshAllWhenIdle();
}

void RefreshController::reloadData()
{
    // A second command while one runs would only read the same library again.
    if (m_session.isScanRunning())
        return;
    if (m_dialogs.confirmWarning(QStringLiteral("Are you sure?")))
        m_session.refreshAll(true);
}

void RefreshController::refreshThisGame()
{
    m_session.refreshThisGame();
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
