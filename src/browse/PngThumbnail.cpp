#include "browse/PngThumbnail.h"

#include <libdeflate.h>

#include <array>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace PngThumbnail {

namespace {

// Above this the unpacked picture would need more memory than a sheet may take; Qt's reader
// refuses such pictures as well.
constexpr std::size_t MaxUnpackedBytes = UnpackBudget::DefaultBytes;
constexpr int MaxSide = 32767;

const unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

quint32 bigEndian32(const unsigned char *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

bool hasSignature(const QByteArray &data)
{
    return data.size() >= 33 && std::memcmp(data.constData(), Signature, sizeof Signature) == 0;
}

struct Header
{
    int width = 0;
    int height = 0;
    int colourType = 0;
    int channels = 0;
};

struct Chunks
{
    Header header;
    std::vector<unsigned char> compressed;
    std::array<QRgb, 256> palette{};
    bool hasPalette = false;
    bool hasAlpha = false;
};

int channelsOf(int colourType)
{
    switch (colourType) {
    case 0: return 1; // grey
    case 2: return 3; // red, green, blue
    case 3: return 1; // palette index
    case 4: return 2; // grey and alpha
    case 6: return 4; // red, green, blue and alpha
    default: return 0;
    }
}

// Walks the chunks; false for anything this decoder leaves to Qt's reader.
bool readChunks(const QByteArray &data, Chunks &out)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    const qint64 size = data.size();
    qint64 at = sizeof Signature;
    bool first = true;
    bool idatDone = false;
    bool seenIdat = false;
    while (at + 12 <= size) {
        const qint64 length = bigEndian32(bytes + at);
        const unsigned char *type = bytes + at + 4;
        const unsigned char *body = bytes + at + 8;
        if (length > size - at - 12)
            return false;
        const bool isIdat = std::memcmp(type, "IDAT", 4) == 0;
        if (first) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13)
                return false;
            Header &h = out.header;
            const quint32 width = bigEndian32(body);
            const quint32 height = bigEndian32(body + 4);
            const int depth = body[8];
            h.colourType = body[9];
            h.channels = channelsOf(h.colourType);
            const int compression = body[10];
            const int filter = body[11];
            const int interlace = body[12];
            if (width == 0 || height == 0 || width > MaxSide || height > MaxSide || depth != 8 || h.channels == 0
                || compression != 0 || filter != 0 || interlace != 0)
                return false;
            h.width = int(width);
            h.height = int(height);
            out.hasAlpha = h.colourType == 4 || h.colourType == 6;
            first = false;
        } else if (isIdat) {
            // The picture data is one stream split over consecutive chunks.
            if (idatDone)
                return false;
            seenIdat = true;
            out.compressed.insert(out.compressed.end(), body, body + length);
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (length % 3 != 0 || length / 3 > 256)
                return false;
            for (qint64 i = 0; i < length / 3; ++i)
                out.palette[std::size_t(i)] = qRgb(body[3 * i], body[3 * i + 1], body[3 * i + 2]);
            out.hasPalette = true;
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            // A transparent colour of a grey or colour picture is rare enough to leave to Qt.
            if (out.header.colourType != 3 || length > 256)
                return false;
            for (qint64 i = 0; i < length; ++i) {
                const QRgb c = out.palette[std::size_t(i)];
                out.palette[std::size_t(i)] = qRgba(qRed(c), qGreen(c), qBlue(c), body[i]);
            }
            out.hasAlpha = true;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        } else if (std::memcmp(type, "eXIf", 4) == 0 || (type[0] & 0x20) == 0) {
            // A turned picture, or a chunk the picture cannot be read without.
            return false;
        }
        if (seenIdat && !isIdat)
            idatDone = true;
        at += length + 12;
    }
    if (first || out.compressed.empty())
        return false;
    return out.header.colourType != 3 || out.hasPalette;
}

inline int paeth(int a, int b, int c)
{
    // Written without branches: the compiler turns the choices into conditional moves, which
    // matters because every byte waits for its left neighbour.
    const int fromUp = b - c;
    const int fromLeft = a - c;
    const int pa = std::abs(fromUp);
    const int pb = std::abs(fromLeft);
    const int pc = std::abs(fromUp + fromLeft);
    const int bc = pb <= pc ? b : c;
    return (pa <= pb && pa <= pc) ? a : bc;
}

template <int Bpp>
void unpaeth(unsigned char *row, const unsigned char *previous, std::size_t length)
{
    if (length < std::size_t(Bpp))
        return;
    // The left neighbours stay in registers: reading back the byte just written would make
    // every byte wait for the store as well.
    int left[Bpp];
    int upLeft[Bpp];
    for (int k = 0; k < Bpp; ++k) {
        left[k] = (row[k] + previous[k]) & 0xff;
        row[k] = static_cast<unsigned char>(left[k]);
        upLeft[k] = previous[k];
    }
    for (std::size_t i = Bpp; i + Bpp <= length; i += Bpp)
        for (int k = 0; k < Bpp; ++k) {
            const int up = previous[i + std::size_t(k)];
            left[k] = (row[i + std::size_t(k)] + paeth(left[k], up, upLeft[k])) & 0xff;
            row[i + std::size_t(k)] = static_cast<unsigned char>(left[k]);
            upLeft[k] = up;
        }
}

// Undoes the row's filter in place; `previous` is the row above, already unfiltered, or null.
bool unfilter(int filter, unsigned char *row, const unsigned char *previous, std::size_t length, int bpp)
{
    switch (filter) {
    case 0:
        return true;
    case 1:
        for (std::size_t i = std::size_t(bpp); i < length; ++i)
            row[i] = static_cast<unsigned char>(row[i] + row[i - std::size_t(bpp)]);
        return true;
    case 2:
        if (previous)
            for (std::size_t i = 0; i < length; ++i)
                row[i] = static_cast<unsigned char>(row[i] + previous[i]);
        return true;
    case 3:
        for (std::size_t i = 0; i < length; ++i) {
            const int left = i >= std::size_t(bpp) ? row[i - std::size_t(bpp)] : 0;
            const int up = previous ? previous[i] : 0;
            row[i] = static_cast<unsigned char>(row[i] + ((left + up) >> 1));
        }
        return true;
    case 4:
        if (!previous) {
            // With no row above, the predictor is the left neighbour.
            for (std::size_t i = std::size_t(bpp); i < length; ++i)
                row[i] = static_cast<unsigned char>(row[i] + row[i - std::size_t(bpp)]);
            return true;
        }
        switch (bpp) {
        case 1: unpaeth<1>(row, previous, length); break;
        case 2: unpaeth<2>(row, previous, length); break;
        case 3: unpaeth<3>(row, previous, length); break;
        default: unpaeth<4>(row, previous, length); break;
        }
        return true;
    default:
        return false;
    }
}

// Colour and alpha of one picture pixel, colours premultiplied by alpha so that transparent
// pixels do not tint their neighbours in the thumbnail.
struct Rgba
{
    quint32 r, g, b, a;
};

struct Grey
{
    static constexpr int Bytes = 1;
    Rgba operator()(const unsigned char *p) const { return {p[0], p[0], p[0], 255}; }
};
struct Colour
{
    static constexpr int Bytes = 3;
    Rgba operator()(const unsigned char *p) const { return {p[0], p[1], p[2], 255}; }
};
struct GreyAlpha
{
    static constexpr int Bytes = 2;
    Rgba operator()(const unsigned char *p) const
    {
        const quint32 v = quint32(p[0]) * p[1] / 255;
        return {v, v, v, p[1]};
    }
};
struct ColourAlpha
{
    static constexpr int Bytes = 4;
    Rgba operator()(const unsigned char *p) const
    {
        const quint32 a = p[3];
        return {quint32(p[0]) * a / 255, quint32(p[1]) * a / 255, quint32(p[2]) * a / 255, a};
    }
};
struct Indexed
{
    static constexpr int Bytes = 1;
    const std::array<QRgb, 256> *palette;
    Rgba operator()(const unsigned char *p) const
    {
        const QRgb c = (*palette)[p[0]];
        const quint32 a = quint32(qAlpha(c));
        return {quint32(qRed(c)) * a / 255, quint32(qGreen(c)) * a / 255, quint32(qBlue(c)) * a / 255, a};
    }
};

// Adds one unpacked picture row into the four sums per thumbnail pixel of the thumbnail row it
// falls in; `firstColumn[x]` is the first picture column of thumbnail column x.
template <typename Reader>
void addRow(Reader read, const unsigned char *row, const std::vector<int> &firstColumn, quint32 *sums)
{
    const std::size_t columns = firstColumn.size() - 1;
    for (std::size_t x = 0; x < columns; ++x, sums += 4) {
        Rgba total{0, 0, 0, 0};
        const unsigned char *p = row + std::size_t(firstColumn[x]) * Reader::Bytes;
        const unsigned char *end = row + std::size_t(firstColumn[x + 1]) * Reader::Bytes;
        for (; p < end; p += Reader::Bytes) {
            const Rgba one = read(p);
            total.r += one.r;
            total.g += one.g;
            total.b += one.b;
            total.a += one.a;
        }
        sums[0] += total.r;
        sums[1] += total.g;
        sums[2] += total.b;
        sums[3] += total.a;
    }
}

void accumulate(const Chunks &chunks, const unsigned char *row, const std::vector<int> &firstColumn,
                std::vector<quint32> &sums)
{
    switch (chunks.header.colourType) {
    case 0: addRow(Grey{}, row, firstColumn, sums.data()); break;
    case 2: addRow(Colour{}, row, firstColumn, sums.data()); break;
    case 3: addRow(Indexed{&chunks.palette}, row, firstColumn, sums.data()); break;
    case 4: addRow(GreyAlpha{}, row, firstColumn, sums.data()); break;
    case 6: addRow(ColourAlpha{}, row, firstColumn, sums.data()); break;
    default: break;
    }
}

struct DecompressorDeleter
{
    void operator()(libdeflate_decompressor *d) const { libdeflate_free_decompressor(d); }
};

libdeflate_decompressor *decompressor()
{
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> one(libdeflate_alloc_decompressor());
    return one.get();
}

} // namespace

UnpackBudget::UnpackBudget(std::size_t bytes) : m_limit(bytes) {}

UnpackBudget::Buffer::Buffer(Buffer &&other) noexcept
    : m_budget(std::exchange(other.m_budget, nullptr)), m_block(std::move(other.m_block))
{
}

UnpackBudget::Buffer &UnpackBudget::Buffer::operator=(Buffer &&other) noexcept
{
    if (this != &other) {
        release();
        m_budget = std::exchange(other.m_budget, nullptr);
        m_block = std::move(other.m_block);
    }
    return *this;
}

UnpackBudget::Buffer::~Buffer()
{
    release();
}

void UnpackBudget::Buffer::release()
{
    if (m_budget && m_block.memory)
        m_budget->giveBack(std::move(m_block));
    m_budget = nullptr;
    m_block = Block{};
}

UnpackBudget::Buffer UnpackBudget::take(std::size_t bytes)
{
    Buffer buffer;
    if (bytes > m_limit)
        return buffer;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        // The smallest kept buffer that is large enough: a sheet's pictures are mostly of one size.
        auto best = m_idle.end();
        for (auto it = m_idle.begin(); it != m_idle.end(); ++it) {
            if (it->size >= bytes && (best == m_idle.end() || it->size < best->size))
                best = it;
        }
        if (best != m_idle.end()) {
            buffer.m_block = std::move(*best);
            m_idle.erase(best);
            break;
        }
        // Kept buffers too small for this picture make room for it.
        while (m_allocated + bytes > m_limit && !m_idle.empty()) {
            m_allocated -= m_idle.back().size;
            m_idle.pop_back();
        }
        if (m_allocated + bytes <= m_limit) {
            // Not zeroed: the picture overwrites every byte of it.
            buffer.m_block.memory.reset(new (std::nothrow) unsigned char[bytes]);
            buffer.m_block.size = bytes;
            if (!buffer.m_block.memory)
                return Buffer{};
            m_allocated += bytes;
            break;
        }
        // Every byte of the budget is taken; each taker gives back when its picture is done, and
        // none of them waits here while it holds one.
        m_givenBack.wait(lock);
    }
    buffer.m_budget = this;
    return buffer;
}

void UnpackBudget::giveBack(Block block)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_idle.push_back(std::move(block));
    }
    m_givenBack.notify_all();
}

std::size_t UnpackBudget::trim()
{
    std::vector<Block> freed;
    std::size_t bytes = 0;
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const Block &block : m_idle)
        bytes += block.size;
    m_allocated -= bytes;
    freed.swap(m_idle);
    return bytes;
}

QSize pictureSize(const QByteArray &data)
{
    if (!hasSignature(data))
        return {};
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    if (std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return {};
    const quint32 width = bigEndian32(bytes + 16);
    const quint32 height = bigEndian32(bytes + 20);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide)
        return {};
    return QSize(int(width), int(height));
}

QImage decode(const QByteArray &data, const QSize &size, UnpackBudget *budget)
{
    if (!hasSignature(data) || size.isEmpty())
        return {};
    Chunks chunks;
    if (!readChunks(data, chunks))
        return {};
    const Header &h = chunks.header;
    if (size.width() * 2 > h.width || size.height() * 2 > h.height)
        return {};
    const std::size_t rowBytes = std::size_t(h.width) * std::size_t(h.channels);
    const std::size_t unpacked = (rowBytes + 1) * std::size_t(h.height);
    if (unpacked > MaxUnpackedBytes)
        return {};
    libdeflate_decompressor *inflater = decompressor();
    if (!inflater)
        return {};
    std::optional<UnpackBudget> own;
    if (!budget)
        budget = &own.emplace(unpacked);
    const UnpackBudget::Buffer raw = budget->take(unpacked);
    if (raw.isNull())
        return {};
    std::size_t produced = 0;
    if (libdeflate_zlib_decompress(inflater, chunks.compressed.data(), chunks.compressed.size(), raw.data(), unpacked,
                                   &produced)
            != LIBDEFLATE_SUCCESS
        || produced != unpacked)
        return {};

    const int thumbWidth = size.width();
    const int thumbHeight = size.height();
    // Picture column x falls in thumbnail column x * thumbWidth / width, so each thumbnail column
    // takes a run of neighbouring picture columns.
    std::vector<int> firstColumn(std::size_t(thumbWidth) + 1);
    for (int t = 0; t <= thumbWidth; ++t)
        firstColumn[std::size_t(t)] = int((qint64(t) * h.width + thumbWidth - 1) / thumbWidth);
    QImage thumbnail(size, chunks.hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (thumbnail.isNull())
        return {};
    std::vector<quint32> sums(std::size_t(thumbWidth) * 4, 0);
    int thumbRow = 0;
    quint32 rowsInThumbRow = 0;
    auto flush = [&] {
        auto *line = reinterpret_cast<QRgb *>(thumbnail.scanLine(thumbRow));
        for (int x = 0; x < thumbWidth; ++x) {
            const quint32 count =
                rowsInThumbRow * quint32(firstColumn[std::size_t(x) + 1] - firstColumn[std::size_t(x)]);
            const quint32 *s = sums.data() + 4 * x;
            const quint32 half = count / 2;
            line[x] = qRgba(int((s[0] + half) / count), int((s[1] + half) / count), int((s[2] + half) / count),
                            int((s[3] + half) / count));
        }
        std::fill(sums.begin(), sums.end(), 0u);
        rowsInThumbRow = 0;
    };
    const unsigned char *previous = nullptr;
    for (int y = 0; y < h.height; ++y) {
        unsigned char *filtered = raw.data() + std::size_t(y) * (rowBytes + 1);
        unsigned char *row = filtered + 1;
        if (!unfilter(filtered[0], row, previous, rowBytes, h.channels))
            return {};
        const int target = int(qint64(y) * thumbHeight / h.height);
        if (target != thumbRow) {
            flush();
            thumbRow = target;
        }
        accumulate(chunks, row, firstColumn, sums);
        ++rowsInThumbRow;
        previous = row;
    }
    flush();
    return thumbnail;
}

} // namespace PngThumbnail
