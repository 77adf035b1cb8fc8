#pragma once

#include "base/CaseFold.h"
#include "base/Result.h"
#include "base/TextCodec.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One ini-like file with the private-profile semantics the whole program relies on:
// section and key names without regard to letter case, the first section and the first key of
// a name win, values trimmed, no quoting. Reads see changes another program made to the file;
// writes change one line in place, keep every other line byte for byte, and replace the file
// atomically.
class IniFile
{
public:
    // What a write does with a value the file's encoding cannot hold (a Windows-1252 file and a
    // character outside its 256).
    enum class UnfitText {
        Refuse,       // nothing is written, and the failure names the key
        SwitchToUtf8, // the whole file becomes UTF-8, every line's text kept, in the same write:
                      // for a file that only this program reads
    };

    explicit IniFile(const QString &fileName, UnfitText unfitText = UnfitText::Refuse);

    const QString &fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // Key names of a section in file order; empty for a missing section.
    QStringList readSection(const QString &section) const;
    bool sectionExists(const QString &section) const;
    // The file as last read or written, read afresh like any value: for a reader that keeps what
    // it made of the values until the file changes.
    const QByteArray &bytes() const
    {
        reloadIfChanged();
        return m_raw;
    }

    // Each write reaches the disk before it returns. On failure the file is unchanged.
    Result<void> writeString(const QString &section, const QString &key, const QString &value);
    Result<void> writeInteger(const QString &section, const QString &key, int value);
    Result<void> writeBool(const QString &section, const QString &key, bool value);

    // Integer rule shared with every ini reader: IntegerText::parse, with blanks and tabs allowed
    // around the number.
    static bool parseInteger(const QString &text, int *value);

    // Parses bytes already read. Used by readers that read a file once and take many keys
    // from it, such as the library scan.
    static IniFile fromBytes(const QByteArray &bytes);
    // A file that lives in memory alone: it starts with these bytes, and writes change them and
    // nothing on disk. For settings that cannot be kept, which still hold for the run.
    static IniFile inMemory(const QByteArray &bytes);

    struct Edit
    {
        QString section;
        QString key;
        QString value;
    };
    // The bytes a file holding `bytes` would have after these writes, one after the other, by the
    // same rules as writeString; nothing touches a disk. Writers that must replace a file once
    // with many keys, or check the result first, build it here and save it themselves. Edits
    // with an empty key are passed over. A value the bytes' encoding cannot hold refuses the
    // whole: the failure (without a file name) names each such key.
    static Result<QByteArray> withValues(const QByteArray &bytes, const std::vector<Edit> &edits);

private:
    struct KeyName
    {
        int section = -1;
        CaseFoldedKey name;
        friend bool operator==(const KeyName &a, const KeyName &b)
        {
            return a.section == b.section && a.name == b.name;
        }
        friend size_t qHash(const KeyName &k, size_t seed = 0) { return qHash(k.name, seed ^ size_t(k.section)); }
    };
    // Byte positions of one line in m_raw.
    struct Span
    {
        qsizetype start = 0;
        qsizetype contentEnd = 0; // where the line end begins
        qsizetype next = 0;       // start of the following line
    };
    struct Entry
    {
        QString key;   // as spelled in the file
        QString value;
        Span line;
    };
    struct Section
    {
        Span anchor;          // header or last key line: new keys go after it
        int firstEntry = 0;   // the section's keys are m_entries[firstEntry, endEntry)
        int endEntry = 0;
    };

    // What tells, without reading the file, that it is no longer the one we read or wrote. Size
    // and modification time alone miss a rewrite of the same size within one tick of the file
    // system's clock; every write replaces the file, so where the system names files by inode
    // the new file's identity tells what the time cannot.
    struct FileStamp
    {
        qint64 size = -1;    // -1: no readable file
        qint64 modified = 0; // nanoseconds since the epoch, as precise as the system keeps it
        quint64 inode = 0;
        quint64 device = 0;
        friend bool operator==(const FileStamp &a, const FileStamp &b)
        {
            return a.size == b.size && a.modified == b.modified && a.inode == b.inode && a.device == b.device;
        }
    };
    // The stamp of a regular file; size -1 for anything else or when it cannot be looked up.
    static FileStamp stampOf(const QString &fileName);

    IniFile() = default;

    void reloadIfChanged() const;
    void parse(const QByteArray &bytes) const;
    void forget() const;
    const Entry *findEntry(const QString &section, const QString &key) const;
    Result<void> loadForWrite();
    // Nothing when the file's encoding cannot hold the line.
    std::optional<QByteArray> withValue(const QString &section, const QString &key, const QString &value) const;

    QString m_fileName;
    mutable QByteArray m_raw;                    // the file as last read or written
    mutable std::vector<Entry> m_entries;        // first occurrence of every key, file order
    mutable std::vector<Section> m_sections;
    mutable QHash<CaseFoldedKey, int> m_sectionIndex;
    mutable QHash<KeyName, int> m_keyIndex;      // -> index into m_entries
    mutable QByteArray m_lineEnd;
    mutable TextEncoding m_encoding = TextEncoding::Utf8;
    mutable bool m_loaded = false;
    mutable FileStamp m_stamp; // of the file as last read or written
    UnfitText m_unfitText = UnfitText::Refuse;
    bool m_inMemory = false;
};
