#include "InstanceRecord.h"

#include <algorithm>

namespace kolvi {

namespace {

void PutUint32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::uint32_t GetUint32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

std::string EncodeInstanceRecord(std::string_view argument) {
    // Like copying into a fixed buffer: the text ends at its first zero or at 259 bytes.
    argument = argument.substr(0, std::min(argument.find('\0'), InstanceRecordBufferSize - 1));
    std::string record;
    PutUint32(record, 1);
    PutUint32(record, static_cast<std::uint32_t>(argument.size() + 1));
    record.append(argument);
    record.push_back('\0');
    return record;
}

std::vector<std::string> InstanceRecordReader::Feed(std::string_view bytes) {
    std::vector<std::string> records;
    if (malformed_) {
        return records;
    }
    buffer_.append(bytes);
    std::size_t offset = 0;
    while (buffer_.size() - offset >= InstanceRecordHeaderSize) {
        const std::string_view rest = std::string_view(buffer_).substr(offset);
        const std::uint32_t tag = GetUint32(rest);
        const std::uint32_t count = GetUint32(rest.substr(4));
        if (tag != 1 || count == 0 || count > InstanceRecordBufferSize) {
            malformed_ = true;
            buffer_.clear();
            return records;
        }
        if (rest.size() < InstanceRecordHeaderSize + count) {
            break;
        }
        const std::string_view text = rest.substr(InstanceRecordHeaderSize, count);
        const std::size_t end = text.find('\0');
        if (end == std::string_view::npos) {
            malformed_ = true;
            buffer_.clear();
            return records;
        }
        records.emplace_back(text.substr(0, end));
        offset += InstanceRecordHeaderSize + count;
    }
    buffer_.erase(0, offset);
    return records;
}

} // namespace kolvi
