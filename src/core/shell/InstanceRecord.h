#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvi {

// One forwarded command-line argument, framed like a copy-data message: a
// 32-bit tag (always 1), a 32-bit byte count including the terminating zero,
// then the zero-terminated text. An argument carries at most 259 bytes (the
// 260-byte buffer of the original message), longer ones are cut.
inline constexpr std::size_t InstanceRecordBufferSize = 260;
inline constexpr std::size_t InstanceRecordHeaderSize = 8;
inline constexpr std::uint8_t InstanceRecordAnswer = 1;

std::string EncodeInstanceRecord(std::string_view argument);

// Collects records from a byte stream that may arrive in pieces. A record with
// a wrong tag, a byte count of 0 or above 260, or no terminating zero poisons
// the stream: the reader says so and the sender is dropped.
class InstanceRecordReader {
  public:
    // Appends bytes and returns the records completed by them.
    std::vector<std::string> Feed(std::string_view bytes);
    bool Malformed() const { return malformed_; }
    bool Pending() const { return !buffer_.empty(); }

  private:
    std::string buffer_;
    bool malformed_ = false;
};

} // namespace kolvi
