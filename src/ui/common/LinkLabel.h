#pragma once

#include <QLabel>

// A label that chooses something, used like a button: a left click that ends on it, or Space or
// Enter while it has the focus. Tab reaches it, a click does not take the focus from where the
// user works (the list keeps its arrow keys), and a dotted frame shows where Tab has put it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void activated();
    // A left double click; the click before it has activated the label already.
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
