#include "ui/main/FilterController.h"

#include "session/AppearanceModel.h"
#include "session/LibrarySession.h"
#include "ui/common/WidgetColors.h"
#include "ui/main/FindPanel.h"

#include <QEvent>
#include <QLabel>

FilterController::FilterController(LibrarySession &session, FindPanel &panel, QObject *parent)
    : QObject(parent), m_session(session), m_state(session.filter()), m_panel(panel)
{
    setObjectName(QStringLiteral("FilterController"));
    connect(&m_state, &FilterState::changed, this, &FilterController::show);
    connect(&m_panel, &FindPanel::opened, &m_state, &FilterState::clearTexts);
    connect(&m_panel, &FindPanel::fieldChanged, this, [this] { typed().chooseField(m_panel.fieldText()); });
    connect(&m_panel, &FindPanel::valueChosen, this, [this] { typed().chooseValue(m_panel.valueText()); });
    connect(&m_panel, &FindPanel::valueEdited, this, [this] { typed().editValue(m_panel.valueText()); });
    connect(&m_panel, &FindPanel::goClicked, this, [this] { typed().search(); });
    connect(&m_panel, &FindPanel::clearClicked, this, [this] { typed().restoreAll(); });
    connect(&m_panel, &FindPanel::searchFieldClicked, this, [this] { typed().rescan(); });
    show(FilterState::FieldList | FilterState::ValueList | FilterState::Texts | FilterState::Controls);
}

FilterController::~FilterController() = default;

FilterState &FilterController::typed()
{
    m_state.takeTyped(m_panel.fieldText(), m_panel.valueText());
    return m_state;
}

void FilterController::show(FilterState::Changes changes)
{
    if (changes & FilterState::FieldList)
        m_panel.setFieldList(m_state.fieldList());
    if (changes & FilterState::ValueList)
        m_panel.setValueList(m_state.valueList());
    m_panel.showFilter(FilterState::fieldText(m_state.field()), m_state.value(), m_state.valueEnabled(),
                       m_state.searchOffered());
}

void FilterController::categoryClick(CategoryMenu menu, const QString &value)
{
    m_state.categoryChosen(menu, value);
}

void FilterController::HighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        WidgetColors::setTextColor(TheLabel, m_session.appearance().theme().detailsHighlight);
}

void FilterController::DEHighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        WidgetColors::setTextColor(TheLabel, m_session.appearance().theme().details);
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
