#pragma once

#include "app/SettingsFile.h"
#include "platform/Dialogs.h"

#include <QColor>
#include <QFont>
#include <QWidget>

#include <functional>

class Appearance;
class QLabel;
class QPushButton;

// The colour and font labels of the "Config" tab. A confirmed choice is written to the settings
// file first and then announced, so that the window applies what the file now says.
class AppearancePanel : public QWidget
{
    Q_OBJECT
public:
    AppearancePanel(SettingsFile &settings, Dialogs &dialogs, QWidget *parent);

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

    // Start-up: the labels that show a setting show it; the others keep their silver.
    void applyAppearance(const Appearance &appearance);
    // Puts a font on the name banner and returns the point size the banner fit gave it.
    void setNameBannerFit(std::function<int(const QFont &)> fit) { m_nameBannerFit = std::move(fit); }

signals:
    // Written to the settings file; `listFontChosen` says whether the list's font is new, since
    // every other change leaves the list's size to the view options.
    void appearanceChanged(bool listFontChosen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const char *objectName, const QString &text);
    void labelClick(QLabel *label);
    void colorLabelClick(QLabel *label);
    void btnBGColorClick();
    void Button1Click();
    void lblMainListFontClick();
    void lblNameFontClick();
    void lblNoteColorClick();
    // The shared dialogs open with what was chosen in them last, not with the item's value.
    bool askColor(QColor *chosen);
    bool askFont(FontChoice *chosen);
    // Shows the chosen font and colour on the label and stores the four keys, in that order.
    void takeFont(QLabel *label, const FontChoice &choice, const SettingsKeys::Text &name,
                  const SettingsKeys::Integer &size, const SettingsKeys::Text &color, const SettingsKeys::Text &style);

    SettingsFile &m_settings;
    Dialogs &m_dialogs;
    std::function<int(const QFont &)> m_nameBannerFit;
    QColor m_lastColor = Qt::white;
    FontChoice m_lastFont{QFont(), QColor(Qt::black)};
};
