#include "base/SettingsFile.h"

#include <QByteArray>
#include <QTimer>

#include <utility>

using namespace SettingsKeys;

SettingsFile::SettingsFile(const QString &fileName, std::chrono::milliseconds idleDelay)
    // Only we read this file, so a folder named in characters that Windows-1252 lacks is kept
    // by writing the file in UTF-8 from then on, not refused.
    : m_ini(fileName, IniFile::UnfitText::SwitchToUtf8), m_idleDelay(idleDelay)
{
}

SettingsFile::SettingsFile(IniFile ini, std::chrono::milliseconds idleDelay)
    : m_ini(std::move(ini)), m_idleDelay(idleDelay)
{
}

SettingsFile::~SettingsFile()
{
    m_onError = nullptr;
    flush();
}

QString SettingsFile::read(const Text &key) const
{
    return m_ini.readString(QLatin1String(key.section), QLatin1String(key.key),
                            QString::fromUtf8(key.defaultValue));
}

int SettingsFile::read(const Integer &key) const
{
    const int pending = pendingIndex(key.section, key.key);
    if (pending >= 0)
        return m_pending[size_t(pending)].value;
    return m_ini.readInteger(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

bool SettingsFile::read(const Boolean &key) const
{
    return m_ini.readBool(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

Result<void> SettingsFile::write(const Text &key, const QString &value)
{
    dropPending(key.section, key.key);
    return report(m_ini.writeString(QLatin1String(key.section), QLatin1String(key.key), value));
}

Result<void> SettingsFile::write(const Integer &key, int value)
{
    dropPending(key.section, key.key);
    return report(m_ini.writeInteger(QLatin1String(key.section), QLatin1String(key.key), value));
}

Result<void> SettingsFile::write(const Boolean &key, bool value)
{
    dropPending(key.section, key.key);
    return report(m_ini.writeBool(QLatin1String(key.section), QLatin1String(key.key), value));
}

Result<void> SettingsFile::writeValues(const std::vector<IniFile::Edit> &values)
{
    for (const IniFile::Edit &value : values) {
        const QByteArray section = value.section.toLatin1();
        const QByteArray key = value.key.toLatin1();
        dropPending(section.constData(), key.constData());
        if (Result<void> written = report(m_ini.writeString(value.section, value.key, value.value)); !written)
            return written;
    }
    return {};
}

void SettingsFile::writeWhenIdle(const Integer &key, int value)
{
    const int pending = pendingIndex(key.section, key.key);
    if (pending >= 0)
        m_pending[size_t(pending)].value = value;
    else
        m_pending.push_back(PendingValue{key.section, key.key, value});

    if (!m_idleTimer) {
        m_idleTimer = std::make_unique<QTimer>();
        m_idleTimer->setSingleShot(true);
        QObject::connect(m_idleTimer.get(), &QTimer::timeout, [this] { flush(); });
    }
    m_idleTimer->start(m_idleDelay);
}

Result<void> SettingsFile::flush()
{
    if (m_idleTimer)
        m_idleTimer->stop();
    // Taken out first: the error handler may show a message and run an event loop, in which new
    // idle writes belong to the next round, not to this one.
    std::vector<PendingValue> pending;
    pending.swap(m_pending);
    Result<void> allWritten;
    // One rewrite per key: each re-reads the file, so a change made outside meanwhile survives.
    // The file holding the value already costs a read and no rewrite.
    for (const PendingValue &entry : pending) {
        Result<void> written =
            report(m_ini.writeInteger(QLatin1String(entry.section), QLatin1String(entry.key), entry.value));
        if (!written && allWritten)
            allWritten = std::move(written);
    }
    return allWritten;
}

int SettingsFile::pendingIndex(const char *section, const char *key) const
{
    // Key names follow the file's rule: letter case does not tell them apart.
    for (size_t i = 0; i < m_pending.size(); ++i) {
        if (qstricmp(m_pending[i].key, key) == 0 && qstricmp(m_pending[i].section, section) == 0)
            return int(i);
    }
    return -1;
}

void SettingsFile::dropPending(const char *section, const char *key)
{
    const int pending = pendingIndex(section, key);
    if (pending >= 0)
        m_pending.erase(m_pending.begin() + pending);
    if (m_pending.empty() && m_idleTimer)
        m_idleTimer->stop();
}

QStringList SettingsFile::subfolders() const
{
    return m_ini.readSection(QLatin1String(Subfolders));
}

QStringList SettingsFile::fields() const
{
    return m_ini.readSection(QLatin1String(Fields));
}

Result<void> SettingsFile::report(Result<void> written)
{
    // A folder that cannot be written fails every write the same way; saying so once is enough
    // until a write succeeds again.
    if (written) {
        m_lastReported.reset();
    } else if (m_lastReported != written.error()) {
        m_lastReported = written.error();
        if (m_onError)
            m_onError(*m_lastReported);
    }
    return written;
}
