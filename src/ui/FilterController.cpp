#include "ui/FilterController.h"

#include "app/ColorText.h"
#include "app/SettingsFile.h"
#include "browse/MainList.h"
#include "browse/TextSearch.h"
#include "browse/ValueLists.h"
#include "library/GridTextFile.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "ui/FindPanel.h"
#include "ui/MainState.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// A restore that has to scan reports its messages in message boxes when the window gives no
// observer of its own.
class DialogScanObserver : public ScanObserver
{
public:
    explicit DialogScanObserver(Dialogs &dialogs) : m_dialogs(dialogs) {}
    void message(const QString &text) override { m_dialogs.message(text); }

private:
    Dialogs &m_dialogs;
};

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

FilterController::FilterController(MainState &state, SettingsFile &settings, const Platform &platform,
                                   FindPanel &panel, FilterWindowHooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_settings(settings), m_platform(platform), m_panel(panel),
      m_hooks(std::move(hooks))
{
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
    setItems(m_panel.cbShowOnly1, filterFieldList(m_state.library.GridMain));
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
    // The value list comes from a table in the order of the main sort field. The quicksort is not
    // stable, so this sort also decides which record of a name a folded entry opens after the
    // filter that usually follows; leaving it out would change what every fact click shows.
    sortByMainSortField();
    setItems(m_panel.cbShowOnly2, fieldValueList(m_state.library.GridMain, field));
    setBoxText(m_panel.cbShowOnly2, typed);
    m_panel.cbShowOnly2->setEnabled(true);
    if (field != QLatin1String("All"))
        m_panel.btnGoFind->hide();
}

void FilterController::fieldBoxChangedByUser()
{
    cbShowOnly1Change();
    // No list build follows a change of the field box alone, yet the sort above may have moved
    // the rows, another platform's record of the shown name among them; the details follow.
    if (m_hooks.tableReordered)
        m_hooks.tableReordered();
}

void FilterController::loadMainList()
{
    if (m_hooks.LoadMainList)
        m_hooks.LoadMainList();
}

void FilterController::sortAndLoadMainList()
{
    if (m_hooks.cbMainSortByChange) {
        m_hooks.cbMainSortByChange();
        return;
    }
    sortByMainSortField();
    loadMainList();
}

void FilterController::sortByMainSortField()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    applyMainSortField(m_state.library.GridMain, m_state.MainSortField, m_state.MainSortColumn,
                       m_state.ListShowsSortValue);
    QGuiApplication::restoreOverrideCursor();
}

void FilterController::cbShowOnly2Change()
{
    const QString field = fieldText();
    if (field == QLatin1String("All")) {
        m_panel.btnGoFind->show();
        return;
    }
    sortByMainSortField();
    applyFieldFilter(m_state.library.GridMain, field, valueText(), m_modes);
    loadMainList();
}

void FilterController::btnGoFindClick()
{
    applyTextSearch(m_state.library.GridMain, valueText());
    loadMainList();
}

void FilterController::restoreAllGames()
{
    setBoxText(m_panel.cbShowOnly1, QString());
    setBoxText(m_panel.cbShowOnly2, QString());
    m_panel.btnGoFind->hide();

    LibraryState &library = m_state.library;
    const GridFileResult loaded = LoadStringGrid(library.GridMain, LibraryPaths::dataCacheFile(library.LibraryRoot));
    if (!loaded.ok()) {
        // The complete copy holds what the cache was made from; a missing or broken cache must
        // not leave the user stuck with a filtered list.
        m_platform.dialogs.message(loaded.error);
        library.GridMain = library.GridComplete;
    }
    // The list build folds the games of one name, which is all that is left to do afterwards.
    m_state.MainSortField = QStringLiteral("Name");
    sortAndLoadMainList();
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
    DialogScanObserver dialogObserver(m_platform.dialogs);
    LoadGrid(m_state.library, m_settings, m_hooks.scanObserver ? *m_hooks.scanObserver : dialogObserver);
    // The complete copy is in scan order; the list shows the order of the sort field.
    sortAndLoadMainList();
}

void FilterController::categoryClick(CategoryMenu menu, const QString &value)
{
    m_galleryHint = galleryHintFor(menu, value);
    switchModeFor(menu, m_modes);
    fieldFilter(QLatin1String(categoryMenuInfo(menu).filterField), value);
}

namespace {

void setLabelColor(QLabel *label, const SettingsFile &settings, const SettingsKeys::Text &key)
{
    const ColorValue fallback = StringToColorOr(QString::fromUtf8(key.defaultValue), 0);
    const ColorValue value = StringToColorOr(settings.read(key), fallback);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(value, palette, palette.color(QPalette::WindowText)));
    label->setPalette(palette);
}

} // namespace

void FilterController::HighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        setLabelColor(TheLabel, m_settings, SettingsKeys::DetailsHLColor);
}

void FilterController::DEHighlightLabel(QLabel *TheLabel)
{
    if (TheLabel)
        setLabelColor(TheLabel, m_settings, SettingsKeys::DetailsColor);
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
