#pragma once

#include <QObject>

class Dialogs;
class LibrarySession;
class ReloadGauge;

// "&Refresh All", "Refresh This Game" and "&Reload Data": the confirmation, the session's
// refresh, and the two gauges under the name while the library is read again.
class RefreshController : public QObject
{
    Q_OBJECT
public:
    // `gamesGauge` (the pie) follows the game folders of the category folder being read,
    // `categoriesGauge` (the bar) the category folders.
    RefreshController(LibrarySession &session, Dialogs &dialogs, ReloadGauge &gamesGauge,
                      ReloadGauge &categoriesGauge, QObject *parent = nullptr);

public slots:
    // Asks "Are you sure?" and reads the whole library again; also what a folder delete ends with.
    // While a scan runs, the new one follows it.
    void refreshAll();
    // The same after deleting the data cache; nothing while a scan runs.
    void reloadData();
    void refreshThisGame();

private:
    void showGauges(bool shown);

    LibrarySession &m_session;
    Dialogs &m_dialogs;
    ReloadGauge &pbReloading;
    ReloadGauge &pbReloading2;
};
