#include "ui/config/AppearancePanel.h"

#include "app/ColorText.h"
#include "platform/Dialogs.h"
#include "ui/common/Appearance.h"
#include "ui/common/WidgetColors.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto *colors = new QGridLayout;
    lblMainBGColor = addLabel("lblMainBGColor", QStringLiteral("Main List Background"));
    lblNameColor = addLabel("lblNameColor", QStringLiteral("Name"));
    lblShadowColor = addLabel("lblShadowColor", QStringLiteral("Name Shadow"));
    lblNoteBGColor = addLabel("lblNoteBGColor", QStringLiteral("Note Background"));
    lblDetailsColor = addLabel("lblDetailsColor", QStringLiteral("Details"));
    lblDetailsHLColor = addLabel("lblDetailsHLColor", QStringLiteral("Details Highlight"));
    lblDetailsTextColor = addLabel("lblDetailsTextColor", QStringLiteral("Details Text"));
    lblDetailsBGColor = addLabel("lblDetailsBGColor", QStringLiteral("Details Background"));
    m_colorLabels = {lblMainBGColor,  lblNameColor,      lblShadowColor,      lblNoteBGColor,
                     lblDetailsColor, lblDetailsHLColor, lblDetailsTextColor, lblDetailsBGColor};
    for (int i = 0; i < AppearanceSettings::ColorCount; ++i)
        colors->addWidget(m_colorLabels[i], i % 4, i / 4);
    colors->setHorizontalSpacing(24);

    auto *fonts = new QVBoxLayout;
    lblMainListFont = addLabel("lblMainListFont", QStringLiteral("Main List"));
    lblNameFont = addLabel("lblNameFont", QStringLiteral("Game Name"));
    lblNoteColor = addLabel("lblNoteColor", QStringLiteral("Note"));
    for (QLabel *label : {lblMainListFont, lblNameFont, lblNoteColor})
        fonts->addWidget(label);
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
    using Font = AppearanceSettings::Font;
    using Color = AppearanceSettings::Color;
    const auto showFont = [&appearance](QLabel *label, Font item) {
        const AppearanceSettings::FontKeys keys = AppearanceSettings::keysOf(item);
        label->setFont(appearance.font(keys.name, keys.size, keys.style));
        appearance.colorLabel(label, keys.color);
    };
    const auto showColor = [&appearance](QLabel *label, Color item) {
        appearance.colorLabel(label, AppearanceSettings::keyOf(item));
    };
    showFont(lblMainListFont, Font::MainList);
    showFont(lblNameFont, Font::Name);
    showColor(lblShadowColor, Color::NameShadow);
    showColor(lblDetailsColor, Color::Details);
    showColor(lblDetailsHLColor, Color::DetailsHighlight);
    showFont(lblNoteColor, Font::Note);
    showColor(lblDetailsBGColor, Color::DetailsBackground);
}

bool AppearancePanel::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            labelClick(label);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            labelClick(label);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AppearancePanel::labelClick(QLabel *label)
{
    if (label == lblMainListFont)
        fontLabelClick(label, AppearanceSettings::Font::MainList);
    else if (label == lblNameFont)
        fontLabelClick(label, AppearanceSettings::Font::Name);
    else if (label == lblNoteColor)
        fontLabelClick(label, AppearanceSettings::Font::Note);
    else
        colorLabelClick(label);
}

bool AppearancePanel::askColor(QColor *chosen)
{
    const std::optional<QColor> answer = m_dialogs.chooseColor(m_lastColor);
    if (!answer || !answer->isValid())
        return false;
    m_lastColor = *answer;
    *chosen = *answer;
    return true;
}

bool AppearancePanel::askFont(FontChoice *chosen)
{
    const std::optional<FontChoice> answer = m_dialogs.chooseFont(m_lastFont);
    if (!answer)
        return false;
    m_lastFont = *answer;
    *chosen = *answer;
    return true;
}

void AppearancePanel::colorLabelClick(QLabel *label)
{
    for (int i = 0; i < AppearanceSettings::ColorCount; ++i) {
        if (m_colorLabels[i] != label)
            continue;
        QColor color;
        if (!askColor(&color))
            return;
        const auto item = static_cast<AppearanceSettings::Color>(i);
        if (AppearanceSettings::labelShowsColor(item))
            WidgetColors::setTextColor(label, toQColor(fromQColor(color), palette(), color));
        m_appearance.setColor(item, color);
        return;
    }
}

void AppearancePanel::btnBGColorClick()
{
    QColor color;
    if (askColor(&color))
        m_appearance.setBackground(color);
}

void AppearancePanel::Button1Click()
{
    m_appearance.resetBackground();
}

void AppearancePanel::fontLabelClick(QLabel *label, AppearanceSettings::Font item)
{
    FontChoice choice;
    if (!askFont(&choice))
        return;
    // The banner takes the size that fits its width, and that size is what is stored.
    if (item == AppearanceSettings::Font::Name && m_nameBannerFit)
        choice.font.setPointSize(m_nameBannerFit(choice.font));
    label->setFont(choice.font);
    WidgetColors::setTextColor(label, choice.color);
    m_appearance.setFont(item, choice.font, choice.color);
}
