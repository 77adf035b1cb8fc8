#include "ui/config/DOSBoxConfigEditor.h"
#include "ui/config/DOSBoxConfigEditorParts.h"

#include "dosboxconf/DOSBoxConfFile.h"
#include "dosboxconf/DOSBoxConfForm.h"
#include "dosboxconf/DOSBoxConfKeys.h"
#include "platform/Dialogs.h"
#include "presentation/DOSBoxConfCaptions.h"
#include "presentation/DOSBoxConfControls.h"
#include "ui/common/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace DOSBoxEditorParts;

DOSBoxConfigEditor::DOSBoxConfigEditor(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Panel9"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *heading = label("Configuration File Editor", this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    lblLoadedConfFile = named(new QLineEdit(this), QStringLiteral("lblLoadedConfFile"));
    lblLoadedConfFile->setPlaceholderText(QStringLiteral("Configuration file"));
    btnLoadConf = button("btnLoadConf", "Load", this);
    btnSaveConf = button("btnSaveConf", "Save", this);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(lblLoadedConfFile, 1);
    fileRow->addWidget(btnLoadConf);
    fileRow->addWidget(btnSaveConf);

    PageControl2 = named(new QTabWidget(this), QStringLiteral("PageControl2"));
    for (const QString &tab : DOSBoxConfCaptions::tabs()) {
        if (tab == QLatin1String("Sound"))
            PageControl2->addTab(buildSoundPage(), tab);
        else if (tab == QLatin1String("AutoExec"))
            PageControl2->addTab(buildAutoExecPage(), tab);
        else
            PageControl2->addTab(buildPage(tab), tab);
    }

    useDesktopColours(PageControl2, lblLoadedConfFile);

    layout->addWidget(heading);
    layout->addLayout(fileRow);
    layout->addWidget(PageControl2, 1);

    connect(btnLoadConf, &QPushButton::clicked, this, &DOSBoxConfigEditor::btnLoadConfClick);
    connect(btnSaveConf, &QPushButton::clicked, this, &DOSBoxConfigEditor::btnSaveConfClick);
    connect(btnMapper, &QPushButton::clicked, this, &DOSBoxConfigEditor::btnMapperClick);
    connect(lbAutoExec, &QListWidget::itemClicked, this, &DOSBoxConfigEditor::lbAutoExecClick);
    // The arrow keys move the selection too, and the line editor follows it as it does a click.
    connect(lbAutoExec, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { lbAutoExecClick(item); });
    connect(btnConfirmLine, &QPushButton::clicked, this, &DOSBoxConfigEditor::btnConfirmLineClick);
    connect(btnAutoExecAddLine, &QPushButton::clicked, this, &DOSBoxConfigEditor::btnAutoExecAddLineClick);
    connect(btnAutoExecRemoveLine, &QPushButton::clicked, this,
            &DOSBoxConfigEditor::btnAutoExecRemoveLineClick);
    connect(eCyclesDown, &QLineEdit::textChanged, this, &DOSBoxConfigEditor::eCyclesDownChange);
    connect(scrollMouseSensitivity, &QScrollBar::valueChanged, this,
            &DOSBoxConfigEditor::scrollMouseSensitivityChange);

    showStartUpValues();
}

QWidget *DOSBoxConfigEditor::buildPage(const QString &tab)
{
    auto *page = new QWidget;
    auto *columns = new QHBoxLayout(page);
    auto *switches = new QVBoxLayout;
    auto *fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        if (DOSBoxConfCaptions::tab(key.name) == tab)
            addControl(key, page, switches, fields);
    }
    switches->addStretch(1);
    columns->addLayout(switches);
    columns->addLayout(fields, 1);
    return page;
}

QWidget *DOSBoxConfigEditor::buildSoundPage()
{
    // The mixer's own keys keep to the top; the four devices take the room below.
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QWidget *mixer = buildPage(QStringLiteral("Sound"));
    mixer->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mixer);
    PageControl3 = named(new QTabWidget(page), QStringLiteral("PageControl3"));
    for (const QString &tab : DOSBoxConfCaptions::soundTabs())
        PageControl3->addTab(buildPage(QStringLiteral("Sound/") + tab), tab);
    layout->addWidget(PageControl3, 1);
    return page;
}

void DOSBoxConfigEditor::addControl(const ConfKey &key, QWidget *page, QVBoxLayout *switches,
                                    QFormLayout *fields)
{
    const QString caption = DOSBoxConfCaptions::caption(key.name);
    switch (key.kind) {
    case ConfKind::Switch: {
        auto *box = named(new QCheckBox(caption, page), DOSBoxConfControls::objectName(key.name));
        switches->addWidget(box);
        m_controls.insert(key.name, box);
        return;
    }
    case ConfKind::Sensitivity:
        scrollMouseSensitivity =
            named(new QScrollBar(Qt::Horizontal, page), DOSBoxConfControls::objectName(key.name));
        scrollMouseSensitivity->setRange(1, 100);
        scrollMouseSensitivity->setMinimumWidth(160);
        lblMouseSensitivity = named(new QLabel(page), QStringLiteral("lblMouseSensitivity"));
        lblMouseSensitivity->setMinimumWidth(
            lblMouseSensitivity->fontMetrics().horizontalAdvance(QStringLiteral("1000")));
        fields->addRow(caption, row(page, {scrollMouseSensitivity, lblMouseSensitivity}));
        m_controls.insert(key.name, scrollMouseSensitivity);
        return;
    case ConfKind::Priority: {
        const QStringList names = DOSBoxConfForm::valueNamesOf(key);
        auto *focused = named(new QComboBox(page), DOSBoxConfControls::objectName(names.at(0)));
        auto *nonFocused = named(new QComboBox(page), DOSBoxConfControls::objectName(names.at(1)));
        for (QComboBox *box : {focused, nonFocused}) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->addItems(key.choices);
        }
        m_controls.insert(names.at(0), focused);
        m_controls.insert(names.at(1), nonFocused);
        fields->addRow(caption,
                       row(page, {label("Focused", page), focused, label("Non Focused", page), nonFocused}));
        return;
    }
    case ConfKind::Text:
    case ConfKind::Digits:
        break;
    }

    QWidget *control = nullptr;
    if (!key.choices.isEmpty()) {
        auto *box = new QComboBox(page);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(10);
        box->addItems(key.choices);
        control = box;
    } else {
        auto *edit = new QLineEdit(page);
        edit->setMinimumWidth(key.kind == ConfKind::Digits ? 60 : 220);
        if (key.kind == ConfKind::Digits) {
            // Typing and pasting take digits only; a value that Load puts in is shown as it is.
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
            edit->setMaximumWidth(100);
        }
        control = edit;
    }
    named(control, DOSBoxConfControls::objectName(key.name));
    m_controls.insert(key.name, control);

    if (control->objectName() == QLatin1String("eMapper")) {
        eMapper = static_cast<QLineEdit *>(control);
        btnMapper = button("btnMapper", "Mapper", page);
        fields->addRow(btnMapper, eMapper);
    } else if (control->objectName() == QLatin1String("eCyclesDown")) {
        eCyclesDown = static_cast<QLineEdit *>(control);
        lblPercent = named(label("%", page), QStringLiteral("lblPercent"));
        fields->addRow(caption, row(page, {eCyclesDown, lblPercent}));
    } else {
        fields->addRow(caption, control);
    }
}

QWidget *DOSBoxConfigEditor::buildAutoExecPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    lbAutoExec = named(new QListWidget(page), QStringLiteral("lbAutoExec"));
    eAutoExecLine = named(new QLineEdit(page), QStringLiteral("eAutoExecLine"));
    btnConfirmLine = button("btnConfirmLine", "Confirm Line Edit", page);
    btnAutoExecAddLine = button("btnAutoExecAddLine", "Add Line", page);
    btnAutoExecRemoveLine = button("btnAutoExecRemoveLine", "Remove Selected Line", page);
    auto *listLabel = label("Lines of Autoexec Section:", page);
    listLabel->setBuddy(lbAutoExec);
    auto *lineLabel = label("Select line above, then edit here:", page);
    lineLabel->setBuddy(eAutoExecLine);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnConfirmLine);
    buttons->addWidget(btnAutoExecAddLine);
    buttons->addWidget(btnAutoExecRemoveLine);
    buttons->addStretch(1);
    layout->addWidget(listLabel);
    layout->addWidget(lbAutoExec, 1);
    layout->addWidget(lineLabel);
    layout->addWidget(eAutoExecLine);
    layout->addLayout(buttons);
    return page;
}

void DOSBoxConfigEditor::showStartUpValues()
{
    showValues(DOSBoxConfForm::startUp());
    lblLoadedConfFile->clear();
    eAutoExecLine->clear();
}

void DOSBoxConfigEditor::setValue(const QString &name, const QString &value)
{
    QWidget *widget = m_controls.value(name);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        box->setChecked(DOSBoxConfForm::ticked(value));
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        box->setCurrentText(value);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value);
    else if (auto *scroll = qobject_cast<QScrollBar *>(widget))
        scroll->setValue(DOSBoxConfFile::clampSensitivity(value.toInt()));
}

QString DOSBoxConfigEditor::valueOf(const QString &name) const
{
    QWidget *widget = m_controls.value(name);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return DOSBoxConfForm::switchValue(box->isChecked());
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *scroll = qobject_cast<QScrollBar *>(widget))
        return QString::number(scroll->value());
    return QString();
}

DOSBoxConf DOSBoxConfigEditor::values() const
{
    DOSBoxConf conf;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        conf.values.insert(it.key(), valueOf(it.key()));
    conf.loadedPriority = m_loadedPriority;
    conf.loadedFrom = m_priorityLoadedFrom;
    conf.autoexec.reserve(lbAutoExec->count());
    for (int i = 0; i < lbAutoExec->count(); ++i)
        conf.autoexec.append(lbAutoExec->item(i)->text());
    return conf;
}

void DOSBoxConfigEditor::showValues(const DOSBoxConf &conf)
{
    for (const ConfKey *key : DOSBoxConfKeys::loadOrder()) {
        for (const QString &name : DOSBoxConfForm::valueNamesOf(*key))
            setValue(name, conf.values.value(name));
        m_controls.value(key->name)->setEnabled(DOSBoxConfForm::takesInput(*key, conf.uses074Names));
    }
    m_loadedPriority = conf.loadedPriority;
    m_priorityLoadedFrom = conf.loadedFrom;
    lbAutoExec->clear();
    lbAutoExec->addItems(conf.autoexec);
}

void DOSBoxConfigEditor::btnLoadConfClick()
{
    const QString current = lblLoadedConfFile->text();
    const QString chosen = m_dialogs.openFile(QString(), QStringLiteral("Conf Files (*.conf)|*.CONF"),
                                              DOSBoxConfForm::loadFolder(current));
    if (chosen.isEmpty())
        return;
    lblLoadedConfFile->setText(chosen);
    const Result<DOSBoxConf> loaded = DOSBoxConfFile::load(chosen);
    if (!loaded) {
        // The controls still show the file before; Save must go there, not into a file whose
        // values were never shown.
        lblLoadedConfFile->setText(current);
        m_dialogs.message(loaded.error().message());
        return;
    }
    showValues(*loaded);
}

void DOSBoxConfigEditor::btnSaveConfClick()
{
    const QString fileName = lblLoadedConfFile->text();
    if (const Result<void> allowed = DOSBoxConfForm::canSave(fileName); !allowed) {
        m_dialogs.message(allowed.error().message());
        return;
    }
    if (const Result<void> saved = DOSBoxConfFile::save(fileName, values()); !saved)
        m_dialogs.message(DOSBoxConfCaptions::namedAsShown(saved.error()).message());
}

void DOSBoxConfigEditor::btnMapperClick()
{
    const QString chosen =
        m_dialogs.openFile(QString(), QStringLiteral("Text Files (*.txt)|*.TXT"), QString());
    if (!chosen.isEmpty())
        eMapper->setText(QFileInfo(chosen).absoluteFilePath());
}

QListWidgetItem *DOSBoxConfigEditor::selectedLine() const
{
    QListWidgetItem *item = lbAutoExec->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

void DOSBoxConfigEditor::lbAutoExecClick(QListWidgetItem *item)
{
    if (item)
        eAutoExecLine->setText(item->text());
}

void DOSBoxConfigEditor::btnConfirmLineClick()
{
    if (QListWidgetItem *item = selectedLine())
        item->setText(eAutoExecLine->text());
}

void DOSBoxConfigEditor::btnAutoExecAddLineClick()
{
    lbAutoExec->addItem(QStringLiteral("###"));
}

void DOSBoxConfigEditor::btnAutoExecRemoveLineClick()
{
    QListWidgetItem *item = selectedLine();
    if (!item)
        return;
    // The list would make the next line the selected one, and the line editor would follow it:
    // a second click would then remove a line the user never chose.
    const QSignalBlocker quiet(lbAutoExec);
    delete lbAutoExec->takeItem(lbAutoExec->row(item));
    lbAutoExec->selectionModel()->clear();
}

void DOSBoxConfigEditor::eCyclesDownChange()
{
    lblPercent->setVisible(DOSBoxConfFile::percentShown(eCyclesDown->text(), !lblPercent->isHidden()));
}

void DOSBoxConfigEditor::scrollMouseSensitivityChange(int position)
{
    lblMouseSensitivity->setText(QString::number(position));
}
