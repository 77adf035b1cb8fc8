#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

// Decodes a PNG picture straight to a thumbnail, averaging the picture's pixels into the
// thumbnail row by row as they are unpacked. Qt's own reader cannot scale PNG while reading:
// it builds the full picture and scales it afterwards, which makes a sheet of full-size PNG
// box fronts several times slower than one of JPEGs.
namespace PngThumbnail {

// Memory for unpacking pictures, shared by the workers of one sheet: a sheet of large pictures
// on a machine with many cores must not hold a picture's worth per thread. A worker takes one
// buffer at a time and gives it back when its picture is done; a worker the others leave no
// room waits for one of them. Buffers given back are kept for the next picture, usually of the
// same size, until trim().
class UnpackBudget
{
    struct Block
    {
        std::unique_ptr<unsigned char[]> memory;
        std::size_t size = 0;
    };

  public:
    // The largest picture the decoder takes fits the default.
    static constexpr std::size_t DefaultBytes = 256u * 1024u * 1024u;

    explicit UnpackBudget(std::size_t bytes = DefaultBytes);
    UnpackBudget(const UnpackBudget &) = delete;
    UnpackBudget &operator=(const UnpackBudget &) = delete;

    // Goes back to the budget when it goes.
    class Buffer
    {
      public:
        Buffer() = default;
        Buffer(Buffer &&other) noexcept;
        Buffer &operator=(Buffer &&other) noexcept;
        ~Buffer();
        unsigned char *data() const { return m_block.memory.get(); }
        bool isNull() const { return !m_block.memory; }

      private:
        friend class UnpackBudget;
        void release();
        UnpackBudget *m_budget = nullptr;
        Block m_block;
    };

    // A buffer of at least `bytes`, once the others leave room for it; null at once when
    // `bytes` is more than the whole budget.
    Buffer take(std::size_t bytes);
    // Frees the buffers kept for reuse; returns how many bytes that gave back.
    std::size_t trim();

    std::size_t limit() const { return m_limit; }

  private:
    void giveBack(Block block);

    const std::size_t m_limit;
    std::mutex m_mutex;
    std::condition_variable m_givenBack;
    std::vector<Block> m_idle;
    std::size_t m_allocated = 0;
};

// The thumbnail of `size` (each side at most half the picture's, so every thumbnail pixel
// averages whole blocks of picture pixels), or a null image when the data is not a PNG this
// decoder takes (interlaced, 16 bits per channel, fewer than 8 bits per pixel, turned by an
// Exif note, damaged, or too large). The caller then leaves the picture to Qt's reader, which
// takes every PNG and explains what is wrong with a damaged one; so it does when the picture
// needs more memory to unpack than the whole budget. Without a budget the memory is the call's own.
QImage decode(const QByteArray &data, const QSize &size, UnpackBudget *budget = nullptr);

// The picture's own size from its header; invalid when the data is not a PNG.
QSize pictureSize(const QByteArray &data);

} // namespace PngThumbnail
