#include "ui/main/MainListPane.h"

#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "session/Theme.h"
#include "ui/common/WidgetColors.h"

#include <QKeyEvent>
#include <QLabel>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>

MainListPane::MainListPane(LibrarySession &session, QWidget &page) : QObject(&page), m_session(session)
{
    setObjectName(QStringLiteral("MainListPane"));
    lbMain = new QListView(&page);
    lbMain->setObjectName(QStringLiteral("lbMain"));
    // The session's own entries: a new list of any length is one reset, and only the entries in
    // sight are ever measured or drawn.
    lbMain->setModel(&session.browse().listModel());
    lbMain->setUniformItemSizes(true);
    lbMain->setSelectionMode(QAbstractItemView::SingleSelection);
    lbMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbMain->setContextMenuPolicy(Qt::CustomContextMenu);
    lblTotal = new QLabel(QStringLiteral("0 Listed"), &page);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    btnPlay = new QPushButton(QStringLiteral("PLAY"), &page);
    btnPlay->setObjectName(QStringLiteral("btnPlay"));
    // Tab reaches it and Space or Enter plays; a click leaves the arrow keys with the list.
    btnPlay->setFocusPolicy(Qt::TabFocus);
    btnPlay->setAutoDefault(true);

    connect(&m_session.browse(), &BrowseModel::listChanged, this, &MainListPane::showList);
    connect(&m_session.browse(), &BrowseModel::selectionChanged, this, &MainListPane::showSelection);
    // Every change of the highlighted entry fills the details, whether by key, click or a drag
    // across the list, so that the two never disagree. A press on the entry already highlighted
    // changes nothing and fills them again, which shows its game once more.
    connect(lbMain->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_following)
            highlightChanged();
    });
    connect(lbMain, &QAbstractItemView::pressed, this, [this] {
        if (highlightedIndex() == m_highlightBeforePress)
            highlightChanged();
    });
    lbMain->viewport()->installEventFilter(this);
    lbMain->installEventFilter(this);
    connect(lbMain, &QAbstractItemView::doubleClicked, this, &MainListPane::playRequested);
    connect(btnPlay, &QPushButton::clicked, this, &MainListPane::playRequested);
    connect(lbMain, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { emit contextMenuRequested(lbMain->mapToGlobal(at)); });
}

void MainListPane::applyAppearance(const Theme &theme)
{
    lbMain->setFont(theme.mainList.font);
    WidgetColors::setContentColors(lbMain, WidgetColors::themed(theme.mainList.color, lbMain, QPalette::Text),
                                   WidgetColors::themed(theme.mainListBackground, lbMain, QPalette::Base));
    WidgetColors::setTextColor(lblTotal, theme.detailsText);
}

int MainListPane::fontPointSize() const
{
    return lbMain->font().pointSize();
}

void MainListPane::setFontPointSize(int points)
{
    QFont font = lbMain->font();
    font.setPointSize(qMax(1, points));
    lbMain->setFont(font);
}

void MainListPane::place(const QRect &list, int totalTop)
{
    lbMain->setGeometry(list);
    lblTotal->move(list.left(), totalTop);
    btnPlay->setGeometry(list.right() + 1 - 80, totalTop - 2, 80, TotalHeight + 4);
}

QList<QWidget *> MainListPane::tabChain() const
{
    return {lbMain, btnPlay};
}

void MainListPane::focusList()
{
    lbMain->setFocus();
}

void MainListPane::showList()
{
    // The model was reset just before. Laid out now, while nothing points into the new entries,
    // the list asks for each row whether it is hidden without a look-up; once the highlight is
    // set, that look-up would cost as much as everything else of a rebuild.
    lbMain->doItemsLayout();
    highlight(m_session.browse().selectedIndex());
    lblTotal->setText(m_session.browse().totalText());
    lblTotal->adjustSize();
}

void MainListPane::showSelection()
{
    // Start-up and rebuilds select in the session; the highlight follows without selecting again.
    const int index = m_session.browse().selectedIndex();
    if (index != highlightedIndex())
        highlight(index);
}

void MainListPane::highlight(int index)
{
    m_following = true;
    if (index < 0)
        lbMain->clearSelection();
    else
        lbMain->setCurrentIndex(lbMain->model()->index(index, 0));
    m_following = false;
}

int MainListPane::highlightedIndex() const
{
    // The highlight, not the keyboard focus row: while a key or a press moves both, the
    // selection is the one that has already moved when we are told.
    const QModelIndexList selected = lbMain->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void MainListPane::highlightChanged()
{
    m_session.browse().select(highlightedIndex());
}

bool MainListPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbMain->viewport() && event->type() == QEvent::MouseButtonPress)
        m_highlightBeforePress = highlightedIndex();
    if (watched == lbMain && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit playRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
