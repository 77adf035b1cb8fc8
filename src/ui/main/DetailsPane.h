#pragma once

#include "presentation/MainLayout.h"

#include <QList>
#include <QObject>

class DetailsPanel;
class LibrarySession;
class QLabel;
class QPlainTextEdit;
class QWidget;
class ReloadGauge;
struct Theme;

// The right of the Main tab and the notes under the list: the details panel with its simple
// twin, the folder dates and the note of the selected game. It shows the session's selection.
class DetailsPane : public QObject
{
    Q_OBJECT
public:
    DetailsPane(LibrarySession &session, QWidget &page);

    // The panel, for the signals of its fact labels and their hover colours.
    DetailsPanel &panel() const { return *m_details; }
    // The gauges of a refresh under the name: the pie of game folders, the bar of categories.
    ReloadGauge &gamesGauge() const { return *pbReloading; }
    ReloadGauge &categoriesGauge() const { return *pbReloading2; }

    void applyAppearance(const Theme &theme);
    // The fact and platform links, then the note, in the order Tab visits them.
    QList<QWidget *> tabChain() const;
    void showDates(bool shown);
    // The simple view instead of the details, or the details again.
    void showSimple(bool simple);

    void describe(MainLayout::Input &input) const;
    // Places the details, the notes and the dates from a layout result.
    void place(const MainLayout::Result &result);

signals:
    // The details show another game, or another of its pictures; the layout follows them.
    void filled();

private:
    void fill();
    void applyNoteScrollBarRule();

    LibrarySession &m_session;
    DetailsPanel *m_details = nullptr;
    QPlainTextEdit *memoAbout = nullptr;
    QLabel *lblGameCreatedDate = nullptr;
    QLabel *lblGameModifiedDate = nullptr;
    ReloadGauge *pbReloading = nullptr;
    ReloadGauge *pbReloading2 = nullptr;
};
