#include "app/SettingsFile.h"

using namespace SettingsKeys;

SettingsFile::SettingsFile(const QString &fileName) : m_ini(fileName) {}

QString SettingsFile::read(const Text &key) const
{
    return m_ini.readString(QLatin1String(key.section), QLatin1String(key.key),
                            QString::fromUtf8(key.defaultValue));
}

int SettingsFile::read(const Integer &key) const
{
    return m_ini.readInteger(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

bool SettingsFile::read(const Boolean &key) const
{
    return m_ini.readBool(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

bool SettingsFile::write(const Text &key, const QString &value)
{
    return report(m_ini.writeString(QLatin1String(key.section), QLatin1String(key.key), value));
}

bool SettingsFile::write(const Integer &key, int value)
{
    return report(m_ini.writeInteger(QLatin1String(key.section), QLatin1String(key.key), value));
}

bool SettingsFile::write(const Boolean &key, bool value)
{
    return report(m_ini.writeBool(QLatin1String(key.section), QLatin1String(key.key), value));
}

QStringList SettingsFile::subfolders() const
{
    return m_ini.readSection(QLatin1String(Subfolders));
}

QStringList SettingsFile::fields() const
{
    return m_ini.readSection(QLatin1String(Fields));
}

bool SettingsFile::report(bool written)
{
    // A folder that cannot be written fails every write the same way; saying so once is enough
    // until a write succeeds again.
    if (written) {
        m_lastReported.clear();
    } else if (m_ini.lastError() != m_lastReported) {
        m_lastReported = m_ini.lastError();
        if (m_onError)
            m_onError(m_lastReported);
    }
    return written;
}
