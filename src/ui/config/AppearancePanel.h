#pragma once

#include "presentation/AppearanceLabels.h"
#include "session/Theme.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <functional>

class AppearanceModel;
class QLabel;
class QPushButton;

// The colour and font labels of the "Config" tab. A confirmed choice shows on its label and goes
// to the appearance model, which stores and announces it.
class AppearancePanel : public QWidget
{
    Q_OBJECT
public:
    AppearancePanel(AppearanceModel &appearance, QWidget *parent);

    // Start-up: the labels that show a choice show it; the others keep their silver.
    void applyAppearance(const Theme &theme);
    // Puts a font on the name banner and returns the point size the banner fit gave it.
    void setNameBannerFit(std::function<int(const QFont &)> fit) { m_nameBannerFit = std::move(fit); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const char *objectName, const QString &text);
    void labelClick(QLabel *label);
    void colorLabelClick(QLabel *label, const AppearanceLabel &entry);
    void btnBGColorClick();
    void Button1Click();
    void fontLabelClick(QLabel *label, Theme::Font item);

    QPushButton *btnBGColor = nullptr;
    QPushButton *Button1 = nullptr;
    // lblMainBGColor, lblNameColor, ... lblNoteColor, in the order of AppearanceLabels::all().
    std::array<QLabel *, AppearanceLabels::Count> m_labels{};

    AppearanceModel &m_appearance;
    std::function<int(const QFont &)> m_nameBannerFit;
};
