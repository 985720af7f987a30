#include "shell/InstanceRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvi {
namespace {

std::string Header(std::uint32_t tag, std::uint32_t count) {
    std::string bytes;
    for (const std::uint32_t value : {tag, count}) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    }
    return bytes;
}

TEST(InstanceRecord, RecordsSurviveAnySplitOfTheStream) {
    const std::string stream =
        EncodeInstanceRecord("-r") + EncodeInstanceRecord("") + EncodeInstanceRecord("-restore");
    for (std::size_t piece = 1; piece <= stream.size(); ++piece) {
        SCOPED_TRACE(piece);
        InstanceRecordReader reader;
        std::vector<std::string> records;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            for (std::string& record : reader.Feed(std::string_view(stream).substr(at, piece))) {
                records.push_back(std::move(record));
            }
        }
        EXPECT_EQ(records, (std::vector<std::string>{"-r", "", "-restore"}));
        EXPECT_FALSE(reader.Malformed());
        EXPECT_FALSE(reader.Pending());
    }
}

TEST(InstanceRecord, LongArgumentsAreCutTo259Bytes) {
    InstanceRecordReader reader;
    const auto records = reader.Feed(EncodeInstanceRecord(std::string(1000, 'a')));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], std::string(259, 'a'));
}

TEST(InstanceRecord, MalformedRecordsPoisonTheStream) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"wrong tag", Header(2, 3) + std::string("-o\0", 3)},
        {"empty count", Header(1, 0)},
        {"oversized count", Header(1, 261) + std::string(261, 'x')},
        {"huge count", Header(1, 0xFFFFFFFF)},
        {"no terminating zero", Header(1, 2) + "-o"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InstanceRecordReader reader;
        EXPECT_TRUE(reader.Feed(row.bytes).empty());
        EXPECT_TRUE(reader.Malformed());
        EXPECT_TRUE(reader.Feed(EncodeInstanceRecord("-o")).empty()) << "nothing after poison";
    }
}

TEST(InstanceRecord, TextEndsAtTheFirstZero) {
    InstanceRecordReader reader;
    const auto records = reader.Feed(Header(1, 5) + std::string("-o\0xy", 5));
    EXPECT_EQ(records, (std::vector<std::string>{"-o"}));
}

} // namespace
} // namespace kolvi
