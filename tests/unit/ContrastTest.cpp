#include "color/Contrast.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvi {
namespace {

TEST(Contrast, RatiosAndVerdictsAsWcagDefinesThem) {
    EXPECT_DOUBLE_EQ(ContrastRatio(MakeColor(0, 0, 0), MakeColor(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(MakeColor(255, 255, 255), MakeColor(0, 0, 0)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(MakeColor(12, 34, 56), MakeColor(12, 34, 56)), 1.0);
    struct Row {
        const char* name;
        TColor text;
        TColor back;
        const char* summary;
    };
    const Row rows[] = {
        {"black on white", MakeColor(0, 0, 0), MakeColor(255, 255, 255),
         "コントラスト 21.0:1\n通常の文字: AA 合格 / AAA 合格\n大きな文字: AA 合格 / AAA 合格"},
        // #777777 on white is 4.478:1: shown as 4.4, never rounded up to a pass.
        {"grey just below AA", MakeColor(0x77, 0x77, 0x77), MakeColor(255, 255, 255),
         "コントラスト 4.4:1\n通常の文字: AA 不合格 / AAA 不合格\n大きな文字: AA 合格 / AAA "
         "不合格"},
        {"#767676 on white passes AA", MakeColor(0x76, 0x76, 0x76), MakeColor(255, 255, 255),
         "コントラスト 4.5:1\n通常の文字: AA 合格 / AAA 不合格\n大きな文字: AA 合格 / AAA 合格"},
        {"the same colour", MakeColor(255, 0, 0), MakeColor(255, 0, 0),
         "コントラスト 1.0:1\n通常の文字: AA 不合格 / AAA 不合格\n大きな文字: AA 不合格 / AAA "
         "不合格"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ContrastSummary(row.text, row.back), row.summary);
    }
}

} // namespace
} // namespace kolvi
