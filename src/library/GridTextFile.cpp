#include "library/GridTextFile.h"

#include "base/TextCodec.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtAlgorithms>
#include <QByteArrayView>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

QString deviceName(const QIODevice &device)
{
    if (const auto *file = qobject_cast<const QFileDevice *>(&device))
        return file->fileName();
    return QString();
}

// Walks the lines of the file's bytes; CR LF, LF and CR all end a line, and a file that ends
// without a line end still has its last line. Works on bytes so that a text repeated down a
// column is recognised, and decoded, only once.
//
// A data cache of 100,000 games has seven million lines of a dozen bytes each, so the line ends
// are found 64 bytes at a time, as a mask of the bytes that are CR or LF, and each line then
// costs a count of trailing zeros.
class LineReader
{
public:
    LineReader(const char *data, qsizetype size) : m_data(data), m_size(size) { load(0); }

    bool atEnd() const { return m_pos >= m_size; }

    QByteArrayView next()
    {
        const qsizetype start = m_pos;
        while (m_mask == 0 && m_base + Block < m_size)
            load(m_base + Block);
        const qsizetype end = m_mask ? m_base + qCountTrailingZeroBits(m_mask) : m_size;
        if (end >= m_size)
            m_pos = m_size;
        else
            m_pos = end + ((m_data[end] == '\r' && end + 1 < m_size && m_data[end + 1] == '\n') ? 2 : 1);
        dropEndsBefore(m_pos);
        return QByteArrayView(m_data + start, end - start);
    }

    qsizetype remaining() const { return m_size - m_pos; }

    // Counts the lines still to come, but stops once `enough` were seen: all a caller needs to
    // know is whether the file holds what its counts promise.
    qint64 countUpTo(qint64 enough) const
    {
        LineReader probe(*this);
        qint64 count = 0;
        while (count < enough && !probe.atEnd()) {
            probe.next();
            ++count;
        }
        return count;
    }

private:
    static constexpr qsizetype Block = 64;

    // The line ends of the block at base, as of m_pos.
    void load(qsizetype base)
    {
        m_base = base;
        m_mask = 0;
        const qsizetype length = std::min(Block, m_size - base);
        const char *bytes = m_data + base;
#if defined(__SSE2__)
        if (length == Block) {
            const __m128i lf = _mm_set1_epi8('\n');
            const __m128i cr = _mm_set1_epi8('\r');
            for (int part = 0; part < 4; ++part) {
                const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + 16 * part));
                const int ends = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr)));
                m_mask |= quint64(static_cast<quint16>(ends)) << (16 * part);
            }
            dropEndsBefore(m_pos);
            return;
        }
#endif
        for (qsizetype i = 0; i < length; ++i) {
            if (bytes[i] == '\n' || bytes[i] == '\r')
                m_mask |= quint64(1) << i;
        }
        dropEndsBefore(m_pos);
    }

    void dropEndsBefore(qsizetype position)
    {
        const qsizetype skip = position - m_base;
        if (skip >= Block)
            m_mask = 0;
        else if (skip > 0)
            m_mask &= ~quint64(0) << skip;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    qsizetype m_base = 0;
    quint64 m_mask = 0; // bit i: the byte at m_base + i ends a line that is still to come
};

// A leading run of decimal digits; what follows it does not matter. Returns false when there
// are no digits or the number does not fit an int.
bool parseCount(QByteArrayView line, int *value)
{
    qint64 number = 0;
    qsizetype digits = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > std::numeric_limits<int>::max())
            return false;
        ++digits;
    }
    if (digits == 0)
        return false;
    *value = static_cast<int>(number);
    return true;
}

// Turns the lines of one column into the column's texts. Equal texts get one number and one
// shared QString, so that a platform name met fifty thousand times is decoded and stored once;
// the look-up is by bytes, so a repeated text costs neither a decode nor an allocation. Columns
// whose texts are nearly all different (names, numbers) stop being pooled early, as pooling them
// saves nothing.
class ColumnPool
{
public:
    explicit ColumnPool(bool utf8) : m_utf8(utf8) {}

    void reset(GameTable &table, int column, qsizetype expected)
    {
        m_table = &table;
        m_column = column;
        m_slots.assign(64, Slot());
        m_used = 0;
        m_seen = 0;
        m_pooling = true;
        m_expected = expected;
    }

    GameTable::TextId take(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return GameTable::EmptyText;
        ++m_seen;
        if (!m_pooling)
            return m_table->appendText(m_column, decode(bytes));
        const size_t hash = hashOf(bytes);
        const size_t mask = m_slots.size() - 1;
        size_t index = hash & mask;
        while (m_slots[index].used) {
            const Slot &slot = m_slots[index];
            if (slot.hash == hash && slot.bytes == bytes)
                return slot.id;
            index = (index + 1) & mask;
        }
        const GameTable::TextId id = m_table->appendText(m_column, decode(bytes));
        m_slots[index] = Slot{bytes, hash, id, true};
        ++m_used;
        if (m_used * 2 > m_slots.size())
            grow();
        // After a fair sample, a column that is nearly all distinct is not worth the table.
        if (m_seen == 512 && m_used * 10 > m_seen * 9 && m_expected > 2048) {
            m_pooling = false;
            m_slots.clear();
        }
        return id;
    }

private:
    struct Slot
    {
        QByteArrayView bytes;
        size_t hash = 0;
        GameTable::TextId id = 0;
        bool used = false;
    };

    // Cells are a dozen bytes: whole words at a time, inline, is several times cheaper than
    // the library's hash, and the table's probes need nothing stronger.
    static size_t hashOf(QByteArrayView bytes)
    {
        const char *at = bytes.data();
        qsizetype left = bytes.size();
        quint64 hash = 0x9E3779B97F4A7C15ULL ^ quint64(left);
        const auto mix = [&hash](quint64 word) {
            hash = (hash ^ word) * 0xBF58476D1CE4E5B9ULL;
            hash ^= hash >> 29;
        };
        for (; left >= 8; at += 8, left -= 8) {
            quint64 word;
            std::memcpy(&word, at, 8);
            mix(word);
        }
        if (left > 0) {
            quint64 word = 0;
            for (qsizetype i = 0; i < left; ++i)
                word |= quint64(static_cast<unsigned char>(at[i])) << (8 * i);
            mix(word);
        }
        hash *= 0x94D049BB133111EBULL;
        return size_t(hash ^ (hash >> 32));
    }

    QString decode(QByteArrayView bytes) const
    {
        // Nearly every cell is plain ASCII, which either encoding reads alike: widened in place,
        // it costs the allocation and no more.
        bool ascii = true;
        for (const char c : bytes)
            ascii &= static_cast<unsigned char>(c) < 0x80;
        if (ascii) {
            QString text(bytes.size(), Qt::Uninitialized);
            char16_t *to = reinterpret_cast<char16_t *>(text.data());
            for (qsizetype i = 0; i < bytes.size(); ++i)
                to[i] = static_cast<unsigned char>(bytes[i]);
            return text;
        }
        if (!m_utf8)
            return TextCodec::decodeWindows1252(bytes.data(), bytes.size());
        // fromUtf8 drops a byte-order mark at the start of what it decodes; inside the file it
        // is a character of the cell, and dropping it would change the cell at every save.
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            QStringDecoder keepingMarks(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            return keepingMarks.decode(bytes);
        }
        return QString::fromUtf8(bytes);
    }

    void grow()
    {
        std::vector<Slot> old;
        old.swap(m_slots);
        m_slots.resize(old.size() * 2);
        const size_t mask = m_slots.size() - 1;
        for (Slot &slot : old) {
            if (!slot.used)
                continue;
            size_t index = slot.hash & mask;
            while (m_slots[index].used)
                index = (index + 1) & mask;
            m_slots[index] = slot;
        }
    }

    GameTable *m_table = nullptr;
    int m_column = 0;
    std::vector<Slot> m_slots;
    size_t m_used = 0;
    size_t m_seen = 0;
    qsizetype m_expected = 0;
    bool m_utf8;
    bool m_pooling = true;
};

// Appends a cell as UTF-8. A cell that holds a line break would shift every later cell by a
// line; such a break is written as a blank instead. Most cells are plain ASCII and are narrowed
// in place without a detour through a temporary.
void appendCell(QByteArray &out, const QString &cell)
{
    const char16_t *text = reinterpret_cast<const char16_t *>(cell.constData());
    const qsizetype size = cell.size();
    bool plain = true;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i];
        if (c >= 0x80 || c == u'\r' || c == u'\n') {
            plain = false;
            break;
        }
    }
    if (plain) {
        const qsizetype start = out.size();
        out.resize(start + size);
        char *target = out.data() + start;
        for (qsizetype i = 0; i < size; ++i)
            target[i] = static_cast<char>(text[i]);
        return;
    }
    QString clean = cell;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    out += clean.toUtf8();
}

} // namespace

Result<void> SaveStringGrid(const GameTable &grid, QIODevice &device)
{
    const auto writeFailed = [&] {
        return Failure(Failure::Kind::CacheCannotWrite, deviceName(device), device.errorString());
    };

    // Written in pieces of about a megabyte, so that a large table is never held twice over.
    constexpr qsizetype chunk = 1024 * 1024;
    QByteArray buffer;
    buffer.reserve(chunk + 64 * 1024);
    const auto flush = [&]() -> bool {
        const bool written = device.write(buffer) == buffer.size();
        buffer.resize(0); // keeps the allocation for the next piece
        return written;
    };

    buffer += QByteArray::number(grid.columnCount()) + "\r\n";
    buffer += QByteArray::number(grid.rowCount()) + "\r\n";
    const int columns = grid.columnCount();
    const int rows = grid.rowCount();
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            appendCell(buffer, grid.cell(c, r));
            buffer += "\r\n";
            if (buffer.size() >= chunk && !flush())
                return writeFailed();
        }
    }
    if (!buffer.isEmpty() && !flush())
        return writeFailed();
    return {};
}

Result<void> SaveStringGrid(const GameTable &grid, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(Failure::Kind::CacheCannotCreate, fileName, file.errorString());
    Result<void> result = SaveStringGrid(grid, static_cast<QIODevice &>(file));
    if (!result) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return Failure(Failure::Kind::CacheCannotWrite, fileName, file.errorString());
    return result;
}

namespace {

Result<GameTable> loadBytes(const char *data, qsizetype size, const QString &name)
{
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
        data += 3;
        size -= 3;
    }
    // One decision for the whole file, as a file is written in one encoding.
    const bool utf8 = TextCodec::isValidUtf8(data, size);
    LineReader lines(data, size);

    int columns = 0;
    int rows = 0;
    if (lines.atEnd())
        return Failure(Failure::Kind::CacheEmpty, name);
    if (!parseCount(lines.next(), &columns))
        return Failure(Failure::Kind::CacheNoColumnCount, name);
    if (lines.atEnd() || !parseCount(lines.next(), &rows))
        return Failure(Failure::Kind::CacheNoRowCount, name);
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);

    // Trust the counts only as far as the file backs them with lines, so that a cut-off or
    // corrupted file never makes us set aside room for cells that are not there. Every line but
    // the last takes at least one byte; only a file that passes that test is read into a table,
    // and one that runs out of lines on the way is refused all the same.
    const qint64 cells = qint64(columns) * qint64(rows);
    const auto cutShort = [&](qint64 available) {
        return Failure(Failure::Kind::CacheCutShort, name)
            .with(Failure::Fact::Columns, columns)
            .with(Failure::Fact::Rows, rows)
            .with(Failure::Fact::CellsHeld, available)
            .with(Failure::Fact::CellsPromised, cells);
    };
    if (cells > qint64(lines.remaining()) + 1)
        return cutShort(lines.countUpTo(cells));

    GameTable table;
    table.setSize(columns, rows);
    ColumnPool pool(utf8);
    qint64 read = 0;
    for (int c = 0; c < columns; ++c) {
        pool.reset(table, c, rows);
        QList<GameTable::TextId> ids;
        ids.resize(rows);
        GameTable::TextId *column = ids.data();
        for (int r = 0; r < rows; ++r) {
            if (lines.atEnd())
                return cutShort(read);
            column[r] = pool.take(lines.next());
            ++read;
        }
        table.setTextIds(c, std::move(ids));
    }

    return table;
}

} // namespace

Result<GameTable> LoadStringGrid(QIODevice &device)
{
    const QString name = deviceName(device);
    const QByteArray bytes = device.readAll();
    if (const auto *file = qobject_cast<const QFileDevice *>(&device); file && file->error() != QFileDevice::NoError)
        return Failure(Failure::Kind::CacheCannotRead, name, device.errorString());
    return loadBytes(bytes.constData(), bytes.size(), name);
}

Result<GameTable> LoadStringGrid(const QString &fileName)
{
    if (!LibraryPaths::isRegularFile(fileName))
        return Failure(QFileInfo::exists(fileName) ? Failure::Kind::CacheNotRegular : Failure::Kind::CacheMissing,
                       fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::CacheCannotOpen, fileName, file.errorString());
    // Mapping the file spares a copy of tens of megabytes at every start. The cache is only
    // ever replaced whole, never rewritten in place, so the mapped bytes stay as they are.
    const qint64 size = file.size();
    if (size > 0) {
        if (const uchar *mapped = file.map(0, size)) {
            Result<GameTable> result =
                loadBytes(reinterpret_cast<const char *>(mapped), static_cast<qsizetype>(size), fileName);
            file.unmap(const_cast<uchar *>(mapped));
            return result;
        }
    }
    return LoadStringGrid(static_cast<QIODevice &>(file));
}
