#pragma once

#include "base/IniFile.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

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
// a write that fails is reported through the error handler and the program goes on. A value that
// a Windows-1252 file cannot hold turns the whole file into UTF-8.
//
// Values that change at every key press or resize step go through writeWhenIdle() instead:
// an atomic rewrite with a sync per arrow key is felt on a slow disk, and only the value the
// user stops at matters.
class SettingsFile
{
public:
    static constexpr std::chrono::milliseconds DefaultIdleDelay{500};

    // `idleDelay` is the pause after the last writeWhenIdle() that writes the pending values.
    explicit SettingsFile(const QString &fileName, std::chrono::milliseconds idleDelay = DefaultIdleDelay);
    // Settings over an ini file made elsewhere, such as one that lives in memory alone.
    explicit SettingsFile(IniFile ini, std::chrono::milliseconds idleDelay = DefaultIdleDelay);
    // Flushes what is still pending, without reporting a failure: whoever would show it may be
    // gone by now. Closing code that wants to hear of it calls flush() first.
    ~SettingsFile();
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    // Direct access bypasses the pending values of writeWhenIdle().
    IniFile &ini() { return m_ini; }
    const IniFile &ini() const { return m_ini; }
    const QString &fileName() const { return m_ini.fileName(); }

    // A key with a pending value reads as that value, so the program sees its own latest choice.
    QString read(const SettingsKeys::Text &key) const;
    int read(const SettingsKeys::Integer &key) const;
    bool read(const SettingsKeys::Boolean &key) const;
    // A direct write wins over a pending value of the same key, which is dropped.
    Result<void> write(const SettingsKeys::Text &key, const QString &value);
    Result<void> write(const SettingsKeys::Integer &key, int value);
    Result<void> write(const SettingsKeys::Boolean &key, bool value);
    // Keys the program forms itself (an emulator's, a slot's), written one after the other as
    // direct writes. Stops at the first that fails.
    Result<void> writeValues(const std::vector<IniFile::Edit> &values);

    // Keeps the value pending and writes it, with every other pending value, once no further
    // call came for the idle delay. Needs the event loop of the calling thread to run.
    void writeWhenIdle(const SettingsKeys::Integer &key, int value);
    // Writes every pending value now; the first failure, when one of them failed (each was
    // reported).
    Result<void> flush();

    // Category folder names and field names, in file order.
    QStringList subfolders() const;
    QStringList fields() const;

    // Told whenever a write fails.
    void setErrorHandler(std::function<void(const Failure &)> handler) { m_onError = std::move(handler); }

private:
    struct PendingValue
    {
        const char *section;
        const char *key;
        int value;
    };

    Result<void> report(Result<void> written);
    int pendingIndex(const char *section, const char *key) const; // -1 when not pending
    void dropPending(const char *section, const char *key);

    IniFile m_ini;
    std::function<void(const Failure &)> m_onError;
    std::optional<Failure> m_lastReported;
    std::vector<PendingValue> m_pending; // a handful of keys at most: a list beats a hash
    std::chrono::milliseconds m_idleDelay;
    // Made at the first idle write, so that it lives in the thread whose event loop runs it, and
    // a settings file that never defers a write carries no timer.
    std::unique_ptr<QTimer> m_idleTimer;
};
