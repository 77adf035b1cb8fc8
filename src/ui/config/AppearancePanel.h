#pragma once

#include "session/AppearanceDialogs.h"
#include "presentation/AppearanceLabels.h"
#include "session/AppearanceSettings.h"

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
    void colorLabelClick(QLabel *label, AppearanceSettings::Color item);
    void btnBGColorClick();
    void Button1Click();
    void fontLabelClick(QLabel *label, AppearanceSettings::Font item);

    QPushButton *btnBGColor = nullptr;
    QPushButton *Button1 = nullptr;
    // lblMainBGColor, lblNameColor, ... lblNoteColor, in the order of AppearanceLabels::all().
    std::array<QLabel *, AppearanceLabels::Count> m_labels{};

    AppearanceSettings &m_appearance;
    AppearanceDialogs m_dialogs;
    std::function<int(const QFont &)> m_nameBannerFit;
};
