#include "ui/config/AppearancePanel.h"

#include "base/ColorText.h"
#include "presentation/LabelActivation.h"
#include "platform/Dialogs.h"
#include "ui/common/Appearance.h"
#include "ui/common/WidgetColors.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor designSilver(0xC0, 0xC0, 0xC0);

} // namespace

AppearancePanel::AppearancePanel(AppearanceSettings &appearance, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_appearance(appearance), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("pnlAppearance"));
    // The labels show their colours on the window's own background, which the main window's
    // palette hands down to us.
    setAutoFillBackground(true);

    // The colours in a grid of two columns, the fonts in a column beside them.
    auto *colors = new QGridLayout;
    auto *fonts = new QVBoxLayout;
    for (int i = 0; i < AppearanceLabels::Count; ++i) {
        const AppearanceLabel &entry = AppearanceLabels::all()[size_t(i)];
        m_labels[size_t(i)] = addLabel(entry.objectName, QString::fromLatin1(entry.caption));
        if (entry.choosesFont)
            fonts->addWidget(m_labels[size_t(i)]);
        else
            colors->addWidget(m_labels[size_t(i)], i % 4, i / 4);
    }
    colors->setHorizontalSpacing(24);
    fonts->addStretch(1);

    btnBGColor = new QPushButton(QStringLiteral("BG Color"), this);
    btnBGColor->setObjectName(QStringLiteral("btnBGColor"));
    Button1 = new QPushButton(QStringLiteral("Default BG Color"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnBGColor);
    buttons->addWidget(Button1);
    buttons->addStretch(1);

    auto *colorColumn = new QVBoxLayout;
    colorColumn->addWidget(addLabel(nullptr, QStringLiteral("Colors:")));
    colorColumn->addLayout(colors);
    colorColumn->addStretch(1);
    auto *fontColumn = new QVBoxLayout;
    fontColumn->addWidget(addLabel(nullptr, QStringLiteral("Fonts:")));
    fontColumn->addLayout(fonts);

    auto *row = new QHBoxLayout(this);
    row->addLayout(colorColumn);
    row->addSpacing(24);
    row->addLayout(fontColumn);
    row->addSpacing(24);
    row->addLayout(buttons);
    row->addStretch(1);

    connect(btnBGColor, &QPushButton::clicked, this, &AppearancePanel::btnBGColorClick);
    connect(Button1, &QPushButton::clicked, this, &AppearancePanel::Button1Click);
}

QLabel *AppearancePanel::addLabel(const char *objectName, const QString &text)
{
    auto *label = new QLabel(text, this);
    WidgetColors::setTextColor(label, designSilver);
    if (!objectName) {
        QFont heading = label->font();
        heading.setBold(true);
        label->setFont(heading);
        return label;
    }
    label->setObjectName(QLatin1String(objectName));
    label->setCursor(Qt::PointingHandCursor);
    // Reachable with Tab and chosen with Space or Enter, like a button.
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(this);
    return label;
}

void AppearancePanel::applyAppearance(const Appearance &appearance)
{
    for (size_t i = 0; i < m_labels.size(); ++i) {
        const AppearanceLabel &entry = AppearanceLabels::all()[i];
        if (!entry.shownAtStartUp)
            continue;
        if (entry.choosesFont) {
            const AppearanceSettings::FontKeys keys = AppearanceSettings::keysOf(entry.font);
            m_labels[i]->setFont(appearance.font(keys.name, keys.size, keys.style));
            appearance.colorLabel(m_labels[i], keys.color);
        } else {
            appearance.colorLabel(m_labels[i], AppearanceSettings::keyOf(entry.color));
        }
    }
}

bool AppearancePanel::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (label && LabelActivation::activates(*event, label->rect())) {
        labelClick(label);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AppearancePanel::labelClick(QLabel *label)
{
    const auto at = std::find(m_labels.begin(), m_labels.end(), label);
    if (at == m_labels.end())
        return;
    const AppearanceLabel &entry = AppearanceLabels::all()[size_t(at - m_labels.begin())];
    if (entry.choosesFont)
        fontLabelClick(label, entry.font);
    else
        colorLabelClick(label, entry.color);
}

void AppearancePanel::colorLabelClick(QLabel *label, AppearanceSettings::Color item)
{
    const std::optional<QColor> color = m_dialogs.chooseColor();
    if (!color)
        return;
    if (AppearanceSettings::labelShowsColor(item))
        WidgetColors::setTextColor(label, toQColor(fromQColor(*color), palette(), *color));
    m_appearance.setColor(item, *color);
}

void AppearancePanel::btnBGColorClick()
{
    if (const std::optional<QColor> color = m_dialogs.chooseColor())
        m_appearance.setBackground(*color);
}

void AppearancePanel::Button1Click()
{
    m_appearance.resetBackground();
}

void AppearancePanel::fontLabelClick(QLabel *label, AppearanceSettings::Font item)
{
    std::optional<FontChoice> choice = m_dialogs.chooseFont();
    if (!choice)
        return;
    // The banner takes the size that fits its width, and that size is what is stored.
    if (item == AppearanceSettings::Font::Name && m_nameBannerFit)
        choice->font.setPointSize(m_nameBannerFit(choice->font));
    label->setFont(choice->font);
    WidgetColors::setTextColor(label, choice->color);
    m_appearance.setFont(item, choice->font, choice->color);
}
