#pragma once

#include "platform/Dialogs.h"
#include "session/AppearanceSettings.h"

#include <QColor>
#include <QFont>
#include <QWidget>

#include <array>
#include <functional>

class Appearance;
class QLabel;
class QPushButton;

// The colour and font labels of the "Config" tab. A confirmed choice shows on its label and goes
// to the appearance settings, which store and announce it.
class AppearancePanel : public QWidget
{
    Q_OBJECT
public:
    AppearancePanel(AppearanceSettings &appearance, Dialogs &dialogs, QWidget *parent);

    // Start-up: the labels that show a setting show it; the others keep their silver.
    void applyAppearance(const Appearance &appearance);
    // Puts a font on the name banner and returns the point size the banner fit gave it.
    void setNameBannerFit(std::function<int(const QFont &)> fit) { m_nameBannerFit = std::move(fit); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const char *objectName, const QString &text);
    void labelClick(QLabel *label);
    void colorLabelClick(QLabel *label);
    void btnBGColorClick();
    void Button1Click();
    void fontLabelClick(QLabel *label, AppearanceSettings::Font item);
    // The shared dialogs open with what was chosen in them last, not with the item's value.
    bool askColor(QColor *chosen);
    bool askFont(FontChoice *chosen);

    QPushButton *btnBGColor = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *lblMainBGColor = nullptr;
    QLabel *lblNameColor = nullptr;
    QLabel *lblShadowColor = nullptr;
    QLabel *lblNoteBGColor = nullptr;
    QLabel *lblDetailsColor = nullptr;
    QLabel *lblDetailsHLColor = nullptr;
    QLabel *lblDetailsTextColor = nullptr;
    QLabel *lblDetailsBGColor = nullptr;
    QLabel *lblMainListFont = nullptr;
    QLabel *lblNameFont = nullptr;
    QLabel *lblNoteColor = nullptr;

    AppearanceSettings &m_appearance;
    // In the order of AppearanceSettings::Color.
    std::array<QLabel *, AppearanceSettings::ColorCount> m_colorLabels{};
    Dialogs &m_dialogs;
    std::function<int(const QFont &)> m_nameBannerFit;
    QColor m_lastColor = Qt::white;
    FontChoice m_lastFont{QFont(), QColor(Qt::black)};
};
