#include "ui/gbk_codec.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace nalvic {
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

bool isAsciiLetter(unsigned char b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }

// One engine character: a byte below 0x80, or a lead of 0x80 or more and
// one more byte.
void expectOneCharacter(const Text& bytes) {
    ASSERT_FALSE(bytes.empty());
    const auto lead = static_cast<unsigned char>(bytes[0]);
    EXPECT_EQ(bytes.size(), lead < 0x80 ? 1u : 2u);
}

TEST(GbkCodec, GbkCharactersTravelAsTheirGbkCodes) {
    EXPECT_EQ(unicodeToGbk(u("中文")), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(unicodeToGbk(u("Ａ")), "\xA3\xC1");
    EXPECT_EQ(unicodeToGbk(u("abc 123")), "abc 123");
    EXPECT_EQ(gbkToUnicode("\xD6\xD0\xCE\xC4"), u("中文"));
}

TEST(GbkCodec, EveryPastableCharacterIsOneEngineCharacterAndComesBack) {
    const char* samples[] = {"😀", "𠮷", "\xEE\x80\x80" /* U+E000 */, "\xEE\x93\x86" /* U+E4C6 */,
                             "€",  "\xC2\xA0" /* no-break space */, "한", "é", "✓", "\xE2\x80\xA8"};
    std::set<Text> codes;
    for (const char* sample : samples) {
        SCOPED_TRACE(sample);
        const Text bytes = unicodeToGbk(u(sample));
        expectOneCharacter(bytes);
        EXPECT_EQ(gbkToUnicode(bytes), u(sample));
        EXPECT_EQ(unicodeToGbk(u(sample)), bytes) << "a character keeps its code";
        codes.insert(bytes);
    }
    EXPECT_EQ(codes.size(), std::size(samples)) << "no two characters share a code";
}

TEST(GbkCodec, GivenCodesAvoidAsciiLettersAndTheSingleEuroByte) {
    const Text euro = unicodeToGbk(u("€"));
    EXPECT_NE(euro, "\x80");
    for (char32_t c = 0x1F600; c < 0x1F640; ++c) {
        const Text bytes = unicodeToGbk(QString::fromUcs4(&c, 1));
        ASSERT_EQ(bytes.size(), 2u);
        EXPECT_FALSE(isAsciiLetter(static_cast<unsigned char>(bytes[1])));
    }
}

TEST(GbkCodec, MixedTextRoundTripsUnchanged) {
    const QString text = u("Hello 你好 😀𠮷€ \xEE\x80\x80 end\nnext");
    EXPECT_EQ(gbkToUnicode(unicodeToGbk(text)), text);
}

TEST(GbkCodec, ValidGbkBytesRoundTripUnchanged) {
    int checked = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const Text bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const QString text = gbkToUnicode(bytes);
            if (text.contains(QChar(0xFFFD))) continue;  // not a GBK character
            ASSERT_EQ(unicodeToGbk(text), bytes) << std::hex << lead << ' ' << trail;
            ++checked;
        }
    }
    EXPECT_GT(checked, 21000);
}

TEST(GbkCodec, LineBreaks) {
    EXPECT_EQ(gbkToUnicode("a\r\nb\rc\nd", LineBreaks::Keep), u("a\r\nb\rc\nd"));
    EXPECT_EQ(gbkToUnicode("a\r\nb\rc\nd", LineBreaks::CrLfToLf), u("a\nb\rc\nd"));
    EXPECT_EQ(gbkToUnicode("a\r\nb\rc\nd", LineBreaks::AllToLf), u("a\nb\nc\nd"));
    EXPECT_EQ(unicodeToGbk(u("a\nb"), true), "a\r\nb");
    EXPECT_EQ(unicodeToGbk(QStringLiteral(u"a\u2029b"), true), "a\r\nb");
    EXPECT_EQ(unicodeToGbk(u("a\nb"), false), "a\nb");
}

TEST(GbkCodec, InvalidBytesShowAsReplacementCharacters) {
    EXPECT_EQ(gbkToUnicode("a\xFF"), QStringLiteral(u"a\uFFFD"));
    EXPECT_EQ(gbkToUnicode("\x81"), QStringLiteral(u"\uFFFD"));
    EXPECT_EQ(gbkToUnicode("\x81\x0Ax"), QStringLiteral(u"\uFFFD\nx"));
    EXPECT_EQ(gbkToUnicode("\x80" "a"), QStringLiteral(u"\u20ACa"));
    EXPECT_EQ(gbkToUnicode(""), QString());
}

TEST(GbkCodec, ThreadsShareOneTable) {
    // Two threads meet the same new characters in opposite orders.
    std::vector<char32_t> characters;
    for (char32_t c = 0x1F680; c < 0x1F6C0; ++c) characters.push_back(c);
    Text forward, backward;
    std::thread a([&] {
        for (char32_t c : characters) forward += unicodeToGbk(QString::fromUcs4(&c, 1));
    });
    std::thread b([&] {
        for (auto it = characters.rbegin(); it != characters.rend(); ++it)
            backward += unicodeToGbk(QString::fromUcs4(&*it, 1));
    });
    a.join();
    b.join();
    for (std::size_t i = 0; i < characters.size(); ++i)
        EXPECT_EQ(forward.substr(2 * i, 2), backward.substr(backward.size() - 2 * (i + 1), 2));
}

TEST(GbkCodecDeathTest, StaysLosslessWhenTheFreeCodesRunOut) {
    // Run in a child process: using up the codes would affect other tests.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QString all;
            Text bytes;
            for (char32_t c = 0x20000; freeGbkCodes() > 0; ++c) {
                const QString one = QString::fromUcs4(&c, 1);
                bytes += unicodeToGbk(one);
                all += one;
            }
            const char32_t late = 0x2A000;
            const Text lateBytes = unicodeToGbk(QString::fromUcs4(&late, 1));
            const bool ok = gbkToUnicode(bytes) == all && lateBytes.size() == 4 &&
                            gbkToUnicode(lateBytes) == QString::fromUcs4(&late, 1);
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace nalvic
