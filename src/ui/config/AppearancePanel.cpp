#include "ui/config/AppearancePanel.h"

#include "base/ColorText.h"
#include "presentation/LabelActivation.h"
#include "session/AppearanceModel.h"
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

AppearancePanel::AppearancePanel(AppearanceModel &appearance, QWidget *parent)
    : QWidget(parent), m_appearance(appearance)
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

void AppearancePanel::applyAppearance(const Theme &theme)
{
    for (size_t i = 0; i < m_labels.size(); ++i) {
        const AppearanceLabel &entry = AppearanceLabels::all()[i];
        if (!entry.shownAtStartUp)
            continue;
        if (entry.choosesFont) {
            const ThemeFont &font = theme.font(entry.font);
            m_labels[i]->setFont(font.font);
            WidgetColors::setTextColor(m_labels[i], font.color);
        } else {
            WidgetColors::setTextColor(m_labels[i], theme.color(entry.color));
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
        colorLabelClick(label, entry);
}

void AppearancePanel::colorLabelClick(QLabel *label, const AppearanceLabel &entry)
{
    const std::optional<QColor> color = m_appearance.chooseColor();
    if (!color)
        return;
    if (entry.showsChosenColor)
        WidgetColors::setTextColor(label, toQColor(fromQColor(*color), palette(), *color));
    m_appearance.setColor(entry.color, *color);
}

void AppearancePanel::btnBGColorClick()
{
    if (const std::optional<QColor> color = m_appearance.chooseColor())
        m_appearance.setBackground(*color);
}

void AppearancePanel::Button1Click()
{
    m_appearance.resetBackground();
}

void AppearancePanel::fontLabelClick(QLabel *label, Theme::Font item)
{
    std::optional<FontChoice> choice = m_appearance.chooseFont();
    if (!choice)
        return;
    // The banner takes the size that fits its width, and that size is what is stored.
    if (item == Theme::Font::Name && m_nameBannerFit)
        choice->font.setPointSize(m_nameBannerFit(choice->font));
    label->setFont(choice->font);
    WidgetColors::setTextColor(label, choice->color);
    m_appearance.setFont(item, choice->font, choice->color);
}
