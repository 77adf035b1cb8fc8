#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    const char *expectedUtf8; // the decoded text, spelled in UTF-8
    TextEncoding encoding;
    bool byteOrderMark;
};

void PrintTo(const DecodeCase &c, std::ostream *os)
{
    *os << c.name;
}

class TextCodecDecodeTest : public ::testing::TestWithParam<DecodeCase>
{};

TEST_P(TextCodecDecodeTest, ChoosesEncodingAndDecodes)
{
    const DecodeCase c = GetParam();
    const DecodedText decoded = TextCodec::decode(c.bytes);
    EXPECT_EQ(decoded.text, QString::fromUtf8(c.expectedUtf8));
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.hadByteOrderMark, c.byteOrderMark);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextCodecDecodeTest,
    ::testing::Values(
        DecodeCase{"Empty", QByteArray(), "", TextEncoding::Utf8, false},
        DecodeCase{"Ascii", "Monkey Island", "Monkey Island", TextEncoding::Utf8, false},
        DecodeCase{"Utf8", "Caf\xc3\xa9 \xe2\x82\xac", "Caf\xc3\xa9 \xe2\x82\xac", TextEncoding::Utf8, false},
        DecodeCase{"Utf8FourBytes", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80", TextEncoding::Utf8, false},
        DecodeCase{"ByteOrderMarkSkipped", "\xef\xbb\xbfx\xc3\xa9", "x\xc3\xa9", TextEncoding::Utf8, true},
        DecodeCase{"OnlyByteOrderMark", "\xef\xbb\xbf", "", TextEncoding::Utf8, true},
        DecodeCase{"Windows1252", "Caf\xe9 \x80", "Caf\xc3\xa9 \xe2\x82\xac", TextEncoding::Windows1252, false},
        DecodeCase{"Windows1252Quotes", "\x93x\x94 \x85", "\xe2\x80\x9cx\xe2\x80\x9d \xe2\x80\xa6",
                   TextEncoding::Windows1252, false},
        DecodeCase{"UnassignedBytesKept", "\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d",
                   TextEncoding::Windows1252, false},
        DecodeCase{"OverlongIsNotUtf8", "\xc0\xaf", "\xc3\x80\xc2\xaf", TextEncoding::Windows1252, false},
        DecodeCase{"SurrogateIsNotUtf8", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac", TextEncoding::Windows1252,
                   false},
        DecodeCase{"BeyondUnicodeIsNotUtf8", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac",
                   TextEncoding::Windows1252, false},
        DecodeCase{"TruncatedAtEnd", "abc\xc3", "abc\xc3\x83", TextEncoding::Windows1252, false},
        DecodeCase{"InvalidAfterLongAscii", "0123456789abcdef\xe9", "0123456789abcdef\xc3\xa9",
                   TextEncoding::Windows1252, false},
        DecodeCase{"ByteOrderMarkThenWindows1252", "\xef\xbb\xbf\xe9", "\xc3\xa9", TextEncoding::Windows1252, true}),
    [](const ::testing::TestParamInfo<DecodeCase> &info) { return std::string(info.param.name); });

TEST(TextCodec, ValidatesUtf8AcrossBlockBoundaries)
{
    // A multi-byte character straddling the eight-byte steps of the ASCII fast path.
    for (int prefix = 0; prefix < 10; ++prefix) {
        const QByteArray valid = QByteArray(prefix, 'a') + "\xe2\x82\xac" + QByteArray(9, 'b');
        EXPECT_TRUE(TextCodec::isValidUtf8(valid.constData(), valid.size())) << prefix;
        const QByteArray broken = QByteArray(prefix, 'a') + "\xe2\x82" + QByteArray(9, 'b');
        EXPECT_FALSE(TextCodec::isValidUtf8(broken.constData(), broken.size())) << prefix;
    }
    const QByteArray withNul("a\0b", 3);
    EXPECT_TRUE(TextCodec::isValidUtf8(withNul.constData(), withNul.size()));
}

TEST(TextCodec, Windows1252RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = TextCodec::decodeWindows1252(all.constData(), all.size());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_EQ(TextCodec::encode(text, TextEncoding::Windows1252), all);
}

TEST(TextCodec, EncodesWhatEachEncodingCanHoldAndSaysWhenItCannot)
{
    const QString text = QString::fromUtf8("\xc3\xa9\xe2\x82\xac\xe6\x97\xa5\xf0\x9f\x98\x80x");
    EXPECT_EQ(TextCodec::encode(text, TextEncoding::Utf8), text.toUtf8());
    EXPECT_TRUE(TextCodec::canEncode(text, TextEncoding::Utf8));
    // No stand-in for what does not fit, whether inside the basic plane, outside it, one of the
    // C1 controls Windows-1252 gives bytes 0x80 to 0x9F to, or half a character.
    for (const QString &unfit : {text, QString::fromUtf8("\xe6\x97\xa5"), QString::fromUtf8("\xf0\x9f\x98\x80"),
                                 QString(QChar(0x0080)), QString(QChar(0xD800))}) {
        EXPECT_FALSE(TextCodec::encode(unfit, TextEncoding::Windows1252).has_value()) << unfit.toStdString();
        EXPECT_FALSE(TextCodec::canEncode(unfit, TextEncoding::Windows1252)) << unfit.toStdString();
    }
    EXPECT_EQ(TextCodec::encode(QString::fromUtf8("\xc3\xa9\xe2\x82\xacx"), TextEncoding::Windows1252),
              QByteArray("\xe9\x80x"));
}

} // namespace
