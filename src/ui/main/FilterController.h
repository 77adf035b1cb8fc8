#pragma once

#include "browse/CategoryMenus.h"
#include "session/FilterState.h"

#include <QObject>
#include <QSet>
#include <QString>

class FindPanel;
class LibrarySession;
class QLabel;

// The find panel as a view of the session's filter state: what the user does in it becomes an
// operation of the state, and each change of the state shows in its boxes and buttons. It also
// colours the labels that filter while the mouse is over them.
class FilterController : public QObject
{
    Q_OBJECT
public:
    FilterController(LibrarySession &session, FindPanel &panel, QObject *parent = nullptr);
    ~FilterController() override;

    // A value chosen from a category menu.
    void categoryClick(CategoryMenu menu, const QString &value);

    void HighlightLabel(QLabel *TheLabel);
    void DEHighlightLabel(QLabel *TheLabel);
    // Hover colouring for these labels from now on.
    void watchHover(const QList<QLabel *> &labels);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Hands what the user typed into the boxes to the state before an operation reads it.
    FilterState &typed();
    void show(FilterState::Changes changes);

    LibrarySession &m_session;
    FilterState &m_state;
    FindPanel &m_panel;
    QSet<QObject *> m_hoverLabels;
};
