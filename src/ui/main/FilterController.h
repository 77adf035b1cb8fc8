#pragma once

#include "browse/CategoryMenus.h"

#include <QObject>
#include <QSet>
#include <QString>

class FindPanel;
class LibrarySession;
class QLabel;

// Every way of narrowing the list and of getting all games back, as the find panel shows them:
// the field filter of the find panel, the fact labels and the category menus, the text search,
// and the restores. The session does the work; filters delete rows of the working table and so
// accumulate until a restore.
class FilterController : public QObject
{
    Q_OBJECT
public:
    FilterController(LibrarySession &session, FindPanel &panel, QObject *parent = nullptr);
    ~FilterController() override;

    // The field box's list from the table's field names; both boxes then read "All".
    void fillFieldList();

    // The field filter every caller runs: the field into the field box, its value list, the
    // value into the value box, then the filter.
    void fieldFilter(const QString &field, const QString &value);
    void cbShowOnly1Change();
    // The user changed the field box by hand.
    void fieldBoxChangedByUser();
    void cbShowOnly2Change();
    void btnGoFindClick();
    void btnClearFindClick();
    void mnuAllClick();
    void ShowAll1Click();
    void lblSearchFieldClick();
    // A value chosen from a category menu.
    void categoryClick(CategoryMenu menu, const QString &value);

    void HighlightLabel(QLabel *TheLabel);
    void DEHighlightLabel(QLabel *TheLabel);
    // Hover colouring for these labels from now on.
    void watchHover(const QList<QLabel *> &labels);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString fieldText() const;
    QString valueText() const;
    void restoreAllGames();

    LibrarySession &m_session;
    FindPanel &m_panel;
    QSet<QObject *> m_hoverLabels;
};
