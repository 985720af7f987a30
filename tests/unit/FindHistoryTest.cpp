#include "text/FindHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvi {
namespace {

using Items = std::vector<std::string>;

std::string Numbered(int i) {
    return "text " + std::to_string(i);
}

TEST(FindHistoryTest, SearchesPutEachTextOnceMostRecentFirst) {
    struct Row {
        const char* name;
        Items before;
        std::vector<std::string> searches;
        Items expected;
    };
    const Row rows[] = {
        {"first search", {}, {"abc"}, {"abc"}},
        {"new texts go on top", {}, {"one", "two", "three"}, {"three", "two", "one"}},
        {"same text twice", {}, {"abc", "abc"}, {"abc"}},
        {"older entry moves to the top", {"c", "b", "a"}, {"a"}, {"a", "c", "b"}},
        {"other case moves the entry with its own case", {"x", "abc"}, {"ABC"}, {"abc", "x"}},
        {"empty text changes nothing", {"b", "a"}, {""}, {"b", "a"}},
        {"case of accented Latin", {"x", "Ärger"}, {"äRGER"}, {"Ärger", "x"}},
        {"case of Latin Extended-A", {"x", "łódź"}, {"ŁÓDŹ"}, {"łódź", "x"}},
        {"case of Greek, final sigma too", {"x", "λόγος"}, {"ΛΌΓΟΣ"}, {"λόγος", "x"}},
        {"case of Cyrillic", {"x", "Ёлка"}, {"ёЛКА"}, {"Ёлка", "x"}},
        {"case of full-width Latin", {"x", "ｋｏｌｖｉ"}, {"ＫＯＬＶＩ"}, {"ｋｏｌｖｉ", "x"}},
        {"width is not case", {"kolvi"}, {"ｋｏｌｖｉ"}, {"ｋｏｌｖｉ", "kolvi"}},
        {"Japanese text matches itself only", {"検索"}, {"検査"}, {"検査", "検索"}},
        {"bytes that are not UTF-8 compare ASCII case",
         {"\x8C\x9F\x8D\xF5 abc"},
         {"\x8C\x9F\x8D\xF5 ABC", "\x8C\x9F"},
         {"\x8C\x9F", "\x8C\x9F\x8D\xF5 abc"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindHistory history;
        history.SetItems(row.before);
        for (const std::string& text : row.searches) {
            history.Record(text);
        }
        EXPECT_EQ(history.Items(), row.expected);
    }
}

TEST(FindHistoryTest, KeepsItemsCountEntriesWhenPositive) {
    struct Row {
        const char* name;
        int itemsCount;
        int searches;
        std::size_t kept;
    };
    const Row rows[] = {
        {"eight by default", FindHistory::DefaultItemsCount, 9, 8},
        {"zero keeps all", 0, 100, 100},
        {"one", 1, 3, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindHistory history;
        history.SetItemsCount(row.itemsCount);
        for (int i = 1; i <= row.searches; ++i) {
            history.Record(Numbered(i));
        }
        ASSERT_EQ(history.Items().size(), row.kept);
        // The oldest go first.
        EXPECT_EQ(history.Items().front(), Numbered(row.searches));
        EXPECT_EQ(history.Items().back(), Numbered(row.searches - static_cast<int>(row.kept) + 1));
    }
}

TEST(FindHistoryTest, ANegativeItemsCountIsIgnored) {
    FindHistory history;
    EXPECT_EQ(history.ItemsCount(), 8);
    history.SetItemsCount(3);
    history.SetItemsCount(-1);
    EXPECT_EQ(history.ItemsCount(), 3);
}

TEST(FindHistoryTest, AssignedItemsAreKeptAsGivenUntilTheNextSearchTrimsThem) {
    FindHistory history;
    history.SetItemsCount(2);
    const Items given = {"c", "b", "a", "B"};
    history.SetItems(given);
    EXPECT_EQ(history.Items(), given);
    history.SetItems(history.Items());
    EXPECT_EQ(history.Items(), given);
    // An empty search still trims.
    history.Record("");
    EXPECT_EQ(history.Items(), (Items{"c", "b"}));
}

} // namespace
} // namespace kolvi
