// Arbitrary bytes from another process on the instance channel, split at
// arbitrary points: the reader never crashes, never yields an over-long record,
// and agrees with a reading of the whole stream at once.
#include "shell/InstanceRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t piece = 1 + data[0] % 17;
    const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);

    kolvi::InstanceRecordReader whole;
    const std::vector<std::string> expected = whole.Feed(stream);

    kolvi::InstanceRecordReader pieces;
    std::vector<std::string> records;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        for (std::string& record : pieces.Feed(stream.substr(at, piece))) {
            if (record.size() >= kolvi::InstanceRecordBufferSize) {
                std::abort();
            }
            records.push_back(std::move(record));
        }
    }
    if (records != expected || pieces.Malformed() != whole.Malformed()) {
        std::abort();
    }
    // A record round-trips through its encoding.
    for (const std::string& record : expected) {
        kolvi::InstanceRecordReader again;
        const auto decoded = again.Feed(kolvi::EncodeInstanceRecord(record));
        if (decoded.size() != 1 || decoded[0] != record) {
            std::abort();
        }
    }
    return 0;
}
