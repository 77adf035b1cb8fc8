#pragma once

#include "presentation/MainLayout.h"

#include <QFrame>
#include <QList>
#include <QStringList>

class LinkLabel;
class QComboBox;
class QPushButton;

// The find panel above the list: a field box, a value box that doubles as the search text, and
// its buttons. It only reports what the user did; the filter controller decides what follows.
class FindPanel : public QFrame
{
    Q_OBJECT
public:
    explicit FindPanel(QWidget *parent);

    // Shown above the list; the list moves down and shortens by this much while it is open.
    int listShift() const { return height() + ListGap; }
    bool isOpen() const { return !isHidden(); }
    // At the top of the list column, at the list's left edge; `list` is where the list stands
    // with the panel open.
    void place(const QRect &list);

    // Opens the panel, whose boxes are then emptied; nothing happens when it is open already.
    void Find1Click();
    // Closes it; the filters stay in force.
    void btnCloseFindClick();

    // "Search Field:", the field box and the value box, in the order Tab visits them.
    QList<QWidget *> tabChain() const;
    // What the user sees in the field box and the value box.
    QString fieldText() const;
    QString valueText() const;
    // The boxes' lists; the texts stay as the filter shows them.
    void setFieldList(const QStringList &items);
    void setValueList(const QStringList &items);
    // The texts, whether a value may be entered and whether "Go" is offered. A box that shows
    // its text already keeps it untouched, with the cursor where the user left it.
    void showFilter(const QString &field, const QString &value, bool valueEnabled, bool searchOffered);

    static constexpr int ListGap = 6;
    static constexpr int PanelHeight = 54;

signals:
    // The filter state empties both boxes when the panel opens.
    void opened(int listShift);
    void closed(int listShift);
    // The user changed the field box: chose a field or edited its text.
    void fieldChanged();
    // The user chose a value from the list or confirmed a typed one with Enter.
    void valueChosen();
    // The user edited the value box's text.
    void valueEdited();
    void searchFieldClicked();
    void goClicked();
    void clearClicked();

private:
    MainLayout::FindPanelSizes measure() const;

    // Where the list stands with the panel open, from the last layout pass.
    QRect m_list;
    LinkLabel *lblSearchField = nullptr;
    QComboBox *cbShowOnly1 = nullptr;
    QComboBox *cbShowOnly2 = nullptr;
    QPushButton *btnGoFind = nullptr;
    QPushButton *btnClearFind = nullptr;
    QPushButton *btnCloseFind = nullptr;
};
