#include "text/AnsiText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvi {
namespace {

using namespace std::string_literals;

TEST(AnsiText, Utf8StaysAndEverythingElseIsReadAsCp932) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"ASCII", "Terminal", "Terminal"},
        {"UTF-8 Japanese", "ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック"},
        {"Shift-JIS Japanese", "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
         "ＭＳ Ｐゴシック"},
        {"half-width katakana in CP932", "\xB6\xD7\xB0", "ｶﾗｰ"},
        {"CP932 extension (NEC row 13)", "\x87\x40", "①"},
        {"byte that is no CP932 either", "a\x80z", "a\xEF\xBF\xBDz"},
        {"lead byte cut off at the end", "ab\x82", "ab\xEF\xBF\xBD"},
        {"zero byte kept", "a\0b"s, "a\0b"s},
        {"empty", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AnsiToUtf8(row.bytes), row.utf8);
    }
}

TEST(AnsiText, MalformedUtf8IsNotUtf8) {
    for (const std::string& bytes : {"\xC0\xAF"s, "\xE0\x80\xAF"s, "\xED\xA0\x80"s,
                                     "\xF4\x90\x80\x80"s, "\xE3\x81"s, "\xFF"s, "\x82\x6c"s}) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_FALSE(IsValidUtf8(bytes));
    }
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8E\xA8 \xE3\x81\x82 \xC3\xA9"));
}

} // namespace
} // namespace kolvi
