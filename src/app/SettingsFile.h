#pragma once

#include "app/IniFile.h"

#include <QString>
#include <QStringList>

#include <functional>

// The keys of the settings file with their defaults. Each key is read where it is needed, so
// that a change made while the program runs is seen at the next read.
namespace SettingsKeys {

struct Text { const char *section; const char *key; const char *defaultValue; };
struct Integer { const char *section; const char *key; int defaultValue; };
struct Boolean { const char *section; const char *key; bool defaultValue; };

inline constexpr char Main[] = "Main";
inline constexpr char DOSBox[] = "DOSBox";
inline constexpr char Subfolders[] = "Subfolders";
inline constexpr char Fields[] = "Fields";

inline constexpr Text VADPath{Main, "VADPath", ""};
inline constexpr Integer Width{Main, "Width", 800};
inline constexpr Integer Height{Main, "Height", 600};
inline constexpr Text BGColor{Main, "BGColor", "$00484800"};
inline constexpr Text lbMainListFontColor{Main, "lbMainListFontColor", "$00FFFF"};
inline constexpr Text lbMainListFontName{Main, "lbMainListFontName", "Tahoma"};
inline constexpr Integer lbMainListFontSize{Main, "lbMainListFontSize", 8};
inline constexpr Text lbMainListFontStyle{Main, "lbMainListFontStyle", ""};
inline constexpr Text lbMainBGColor{Main, "lbMainBGColor", "$000000"};
inline constexpr Text NameFontColor{Main, "NameFontColor", "$00FFFF"};
inline constexpr Text NameFontName{Main, "NameFontName", "Impact"};
inline constexpr Integer NameFontSize{Main, "NameFontSize", 18};
inline constexpr Text NameFontStyle{Main, "NameFontStyle", ""};
inline constexpr Text NameShadowColor{Main, "NameShadowColor", "$000000"};
inline constexpr Text DetailsColor{Main, "DetailsColor", "$228B22"};
inline constexpr Text DetailsHLColor{Main, "DetailsHLColor", "$32CD32"};
inline constexpr Text DetailsTextColor{Main, "DetailsTextColor", "clSilver"};
inline constexpr Text DetailsBGColor{Main, "DetailsBGColor", "$000000"};
inline constexpr Text NoteFontColor{Main, "NoteFontColor", "$228B22"};
inline constexpr Text NoteFontName{Main, "NoteFontName", "Tahoma"};
inline constexpr Integer NoteFontSize{Main, "NoteFontSize", 8};
inline constexpr Text NoteFontStyle{Main, "NoteFontStyle", ""};
inline constexpr Text NoteBGColor{Main, "NoteBGColor", "$000000"};
inline constexpr Boolean NostalgiaMode{Main, "NostalgiaMode", false};
inline constexpr Integer AboutListSeparator{Main, "AboutListSeparator", 0};
inline constexpr Integer LastSelectedGame{Main, "LastSelectedGame", 0};
inline constexpr Boolean ConfirmClose{Main, "ConfirmClose", false};
inline constexpr Boolean RememberLastSelected{Main, "RememberLastSelected", false};
inline constexpr Boolean ShowDates{Main, "ShowDates", true};

inline constexpr Boolean DOSBoxExit{DOSBox, "DOSBoxExit", false};
inline constexpr Text CMDLine{DOSBox, "CMDLine", ""};
inline constexpr Boolean UseSingleConfFolder{DOSBox, "UseSingleConfFolder", false};

} // namespace SettingsKeys

// PALLOX.ini beside the executable, open for the whole run. Every write goes to disk at once;
// a write that fails is reported through the error handler and the program goes on.
class SettingsFile
{
public:
    explicit SettingsFile(const QString &fileName);

    IniFile &ini() { return m_ini; }
    const IniFile &ini() const { return m_ini; }
    const QString &fileName() const { return m_ini.fileName(); }

    QString read(const SettingsKeys::Text &key) const;
    int read(const SettingsKeys::Integer &key) const;
    bool read(const SettingsKeys::Boolean &key) const;
    bool write(const SettingsKeys::Text &key, const QString &value);
    bool write(const SettingsKeys::Integer &key, int value);
    bool write(const SettingsKeys::Boolean &key, bool value);

    // Category folder names and field names, in file order.
    QStringList subfolders() const;
    QStringList fields() const;

    // Receives the reason whenever a write fails.
    void setErrorHandler(std::function<void(const QString &)> handler) { m_onError = std::move(handler); }

private:
    bool report(bool written);

    IniFile m_ini;
    std::function<void(const QString &)> m_onError;
    QString m_lastReported;
};
