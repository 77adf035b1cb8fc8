#include "ui/config/AppearancePanel.h"

#include "app/ColorText.h"
#include "app/FontStyleText.h"
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

AppearancePanel::AppearancePanel(SettingsFile &settings, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_dialogs(dialogs)
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
    QLabel *const colorOrder[] = {lblMainBGColor, lblNameColor,      lblShadowColor,      lblNoteBGColor,
                                  lblDetailsColor, lblDetailsHLColor, lblDetailsTextColor, lblDetailsBGColor};
    for (int i = 0; i < 8; ++i)
        colors->addWidget(colorOrder[i], i % 4, i / 4);
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
    using namespace SettingsKeys;
    lblMainListFont->setFont(appearance.font(lbMainListFontName, lbMainListFontSize, lbMainListFontStyle));
    appearance.colorLabel(lblMainListFont, lbMainListFontColor);
    lblNameFont->setFont(appearance.font(NameFontName, NameFontSize, NameFontStyle));
    appearance.colorLabel(lblNameFont, NameFontColor);
    appearance.colorLabel(lblShadowColor, NameShadowColor);
    appearance.colorLabel(lblDetailsColor, DetailsColor);
    appearance.colorLabel(lblDetailsHLColor, DetailsHLColor);
    lblNoteColor->setFont(appearance.font(NoteFontName, NoteFontSize, NoteFontStyle));
    appearance.colorLabel(lblNoteColor, NoteFontColor);
    appearance.colorLabel(lblDetailsBGColor, DetailsBGColor);
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
        lblMainListFontClick();
    else if (label == lblNameFont)
        lblNameFontClick();
    else if (label == lblNoteColor)
        lblNoteColorClick();
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
    using namespace SettingsKeys;
    struct Target
    {
        QLabel *label;
        const Text &key;
        bool recolorsLabel;
    };
    // The two background labels keep their silver: the colour they set is not a text colour.
    const Target targets[] = {
        {lblMainBGColor, lbMainBGColor, false},  {lblNameColor, NameFontColor, true},
        {lblShadowColor, NameShadowColor, true}, {lblNoteBGColor, NoteBGColor, false},
        {lblDetailsColor, DetailsColor, true},   {lblDetailsHLColor, DetailsHLColor, true},
        {lblDetailsTextColor, DetailsTextColor, true}, {lblDetailsBGColor, DetailsBGColor, true},
    };
    for (const Target &target : targets) {
        if (target.label != label)
            continue;
        QColor color;
        if (!askColor(&color))
            return;
        const ColorValue value = fromQColor(color);
        if (target.recolorsLabel)
            WidgetColors::setTextColor(label, toQColor(value, palette(), color));
        // The detail colours are applied from the file, so the key goes there first.
        m_settings.write(target.key, ColorToString(value));
        emit appearanceChanged(false);
        return;
    }
}

void AppearancePanel::btnBGColorClick()
{
    QColor color;
    if (!askColor(&color))
        return;
    m_settings.write(SettingsKeys::BGColor, ColorToString(fromQColor(color)));
    emit appearanceChanged(false);
}

void AppearancePanel::Button1Click()
{
    const ColorValue value = StringToColorOr(QString::fromUtf8(SettingsKeys::BGColor.defaultValue), 0);
    m_settings.write(SettingsKeys::BGColor, ColorToString(value));
    emit appearanceChanged(false);
}

void AppearancePanel::takeFont(QLabel *label, const FontChoice &choice, const SettingsKeys::Text &name,
                               const SettingsKeys::Integer &size, const SettingsKeys::Text &color,
                               const SettingsKeys::Text &style)
{
    const QFont &font = choice.font;
    label->setFont(font);
    WidgetColors::setTextColor(label, choice.color);
    m_settings.write(name, font.family());
    m_settings.write(size, font.pointSize() > 0 ? font.pointSize() : m_settings.read(size));
    m_settings.write(color, ColorToString(fromQColor(choice.color)));
    m_settings.write(style, FontStyletoStr(fontStyleOf(font)));
}

void AppearancePanel::lblMainListFontClick()
{
    FontChoice choice;
    if (!askFont(&choice))
        return;
    using namespace SettingsKeys;
    takeFont(lblMainListFont, choice, lbMainListFontName, lbMainListFontSize, lbMainListFontColor, lbMainListFontStyle);
    emit appearanceChanged(true);
}

void AppearancePanel::lblNameFontClick()
{
    FontChoice choice;
    if (!askFont(&choice))
        return;
    // The banner takes the size that fits its width, and that size is what is stored.
    if (m_nameBannerFit)
        choice.font.setPointSize(m_nameBannerFit(choice.font));
    using namespace SettingsKeys;
    takeFont(lblNameFont, choice, NameFontName, NameFontSize, NameFontColor, NameFontStyle);
    emit appearanceChanged(false);
}

void AppearancePanel::lblNoteColorClick()
{
    FontChoice choice;
    if (!askFont(&choice))
        return;
    using namespace SettingsKeys;
    takeFont(lblNoteColor, choice, NoteFontName, NoteFontSize, NoteFontColor, NoteFontStyle);
    emit appearanceChanged(false);
}
