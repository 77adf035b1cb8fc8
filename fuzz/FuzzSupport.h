#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstddef>

// Shared by the fuzz targets: an invariant that fails aborts, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                  \
    do {                                                                                                       \
        if (!(condition)) {                                                                                    \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);           \
            std::abort();                                                                                      \
        }                                                                                                      \
    } while (false)

// Takes bytes from the front of the input as the fuzzer hands them over.
class FuzzInput
{
  public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }
    uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }
    // Up to `limit` bytes, ended early by a zero byte, so the fuzzer can choose the length.
    QByteArray piece(size_t limit)
    {
        QByteArray out;
        while (m_size > 0 && size_t(out.size()) < limit) {
            const uint8_t b = byte();
            if (b == 0)
                break;
            out.append(char(b));
        }
        return out;
    }
    QByteArray rest()
    {
        QByteArray out(reinterpret_cast<const char *>(m_data), qsizetype(m_size));
        m_data += m_size;
        m_size = 0;
        return out;
    }

  private:
    const uint8_t *m_data;
    size_t m_size;
};

// A file the readers that only take paths can read; one per process, in memory where possible.
QString fuzzFile(const QByteArray &bytes, const char *suffix);
