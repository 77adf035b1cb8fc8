#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class LibrarySession;
class QLabel;
class QListView;
class QPoint;
class QPushButton;
class QWidget;
struct Theme;

// The list column of the Main tab: the main list, the count of listed games and PLAY. It shows
// the session's list and hands every change of the highlighted entry to the session.
class MainListPane : public QObject
{
    Q_OBJECT
public:
    MainListPane(LibrarySession &session, QWidget &page);

    void applyAppearance(const Theme &theme);
    int fontPointSize() const;
    void setFontPointSize(int points);
    // The list where the layout puts it; the count and PLAY on the line at totalTop below it.
    void place(const QRect &list, int totalTop);
    // The arrow keys browse at once.
    void focusList();
    // The list, then PLAY, in the order Tab visits them.
    QList<QWidget *> tabChain() const;

    static constexpr int TotalHeight = 20;

signals:
    // Enter, a double click or PLAY.
    void playRequested();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showList();
    void showSelection();
    void highlightChanged();
    int highlightedIndex() const;
    // Highlights the session's entry without telling the session back.
    void highlight(int index);

    LibrarySession &m_session;
    QListView *lbMain = nullptr;
    QLabel *lblTotal = nullptr;
    QPushButton *btnPlay = nullptr;
    int m_highlightBeforePress = -1;
    bool m_following = false; // the highlight is being moved to the session's entry
};
