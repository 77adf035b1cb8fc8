#include "ui/main/FilterController.h"

#include "app/SettingsFile.h"
#include "browse/ValueLists.h"
#include "session/LibrarySession.h"
#include "ui/common/Appearance.h"
#include "ui/main/FindPanel.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

void setItems(QComboBox *box, const QStringList &items)
{
    // Filling the list moves the current index; the text the user sees is set apart.
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

void setBoxText(QComboBox *box, const QString &text)
{
    const QSignalBlocker blocker(box);
    box->setEditText(text);
}

} // namespace

FilterController::FilterController(LibrarySession &session, FindPanel &panel, QObject *parent)
    : QObject(parent), m_session(session), m_panel(panel)
{
    setObjectName(QStringLiteral("FilterController"));
    connect(&m_panel, &FindPanel::fieldChanged, this, &FilterController::fieldBoxChangedByUser);
    connect(&m_panel, &FindPanel::valueChosen, this, &FilterController::cbShowOnly2Change);
    // Typing a value filters only once it is chosen or confirmed: filtering on every keystroke
    // would narrow the table by each unfinished prefix and leave nothing to find. Search texts
    // are different: typing one offers the Go button at once.
    connect(&m_panel, &FindPanel::valueEdited, this, [this] {
        if (fieldText() == QLatin1String("All"))
            m_panel.btnGoFind->show();
    });
    connect(&m_panel, &FindPanel::goClicked, this, &FilterController::btnGoFindClick);
    connect(&m_panel, &FindPanel::clearClicked, this, &FilterController::btnClearFindClick);
    connect(&m_panel, &FindPanel::searchFieldClicked, this, &FilterController::lblSearchFieldClick);
}

FilterController::~FilterController() = default;

QString FilterController::fieldText() const
{
    return m_panel.cbShowOnly1->currentText();
}

QString FilterController::valueText() const
{
    return m_panel.cbShowOnly2->currentText();
}

void FilterController::fillFieldList()
{
    setItems(m_panel.cbShowOnly1, filterFieldList(m_session.table()));
    setBoxText(m_panel.cbShowOnly1, QStringLiteral("All"));
    setBoxText(m_panel.cbShowOnly2, QStringLiteral("All"));
}

void FilterController::fieldFilter(const QString &field, const QString &value)
{
    setBoxText(m_panel.cbShowOnly1, field);
    cbShowOnly1Change();
    setBoxText(m_panel.cbShowOnly2, value);
    cbShowOnly2Change();
}

void FilterController::cbShowOnly1Change()
{
    const QString field = fieldText();
    const QString typed = valueText();
    setItems(m_panel.cbShowOnly2, m_session.valueListFor(field));
    setBoxText(m_panel.cbShowOnly2, typed);
    m_panel.cbShowOnly2->setEnabled(true);
    if (field != QLatin1String("All"))
        m_panel.btnGoFind->hide();
}

void FilterController::fieldBoxChangedByUser()
{
    cbShowOnly1Change();
    // No list build follows a change of the field box alone, yet the sort behind the value list
    // may have moved the rows, another platform's record of the shown name among them.
    m_session.selectAgain();
}

void FilterController::cbShowOnly2Change()
{
    const QString field = fieldText();
    if (field == QLatin1String("All")) {
        m_panel.btnGoFind->show();
        return;
    }
    m_session.applyFieldFilter(field, valueText());
}

void FilterController::btnGoFindClick()
{
    m_session.textSearch(valueText());
}

void FilterController::restoreAllGames()
{
    setBoxText(m_panel.cbShowOnly1, QString());
    setBoxText(m_panel.cbShowOnly2, QString());
    m_panel.btnGoFind->hide();
    m_session.restoreAll();
}

void FilterController::btnClearFindClick()
{
    restoreAllGames();
}

void FilterController::mnuAllClick()
{
    restoreAllGames();
}

void FilterController::ShowAll1Click()
{
    // An item that promises all games shows all games; the boxes then read as after start-up.
    restoreAllGames();
    setBoxText(m_panel.cbShowOnly2, QString());
    setBoxText(m_panel.cbShowOnly1, QStringLiteral("All"));
    cbShowOnly1Change();
}

void FilterController::lblSearchFieldClick()
{
    setBoxText(m_panel.cbShowOnly2, QStringLiteral("All"));
    m_panel.cbShowOnly2->setEnabled(false);
    m_session.rescan();
}

void FilterController::categoryClick(CategoryMenu menu, const QString &value)
{
    m_session.categoryChosen(menu, value);
    fieldFilter(QLatin1String(categoryMenuInfo(menu).filterField), value);
}

void FilterController::HighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        Appearance(m_session.settings()).colorLabel(TheLabel, SettingsKeys::DetailsHLColor);
}

void FilterController::DEHighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        Appearance(m_session.settings()).colorLabel(TheLabel, SettingsKeys::DetailsColor);
}

void FilterController::watchHover(const QList<QLabel *> &labels)
{
    for (QLabel *label : labels) {
        if (!label || m_hoverLabels.contains(label))
            continue;
        m_hoverLabels.insert(label);
        label->installEventFilter(this);
        connect(label, &QObject::destroyed, this, [this, label] { m_hoverLabels.remove(label); });
    }
}

bool FilterController::eventFilter(QObject *watched, QEvent *event)
{
    if (m_hoverLabels.contains(watched)) {
        if (event->type() == QEvent::Enter)
            HighlightLabel(static_cast<QLabel *>(watched));
        else if (event->type() == QEvent::Leave)
            DEHighlightLabel(static_cast<QLabel *>(watched));
    }
    return QObject::eventFilter(watched, event);
}
