#include "AnsiText.h"

#include <cerrno>
#include <iconv.h>

namespace kolvi {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence starting at `bytes[i]`, 0 when it is not a
// well-formed one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    if (byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

class Cp932Decoder {
  public:
    Cp932Decoder() : handle_(::iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder() {
        if (Ready()) {
            ::iconv_close(handle_);
        }
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    bool Ready() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    std::string Decode(std::string_view bytes) {
        std::string out;
        out.reserve(bytes.size() * 3 / 2 + 4);
        char* in = const_cast<char*>(bytes.data()); // iconv's signature; it does not write
        std::size_t inLeft = bytes.size();
        char buffer[256];
        while (inLeft > 0) {
            char* to = buffer;
            std::size_t toLeft = sizeof buffer;
            const std::size_t result = ::iconv(handle_, &in, &inLeft, &to, &toLeft);
            out.append(buffer, static_cast<std::size_t>(to - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // An unreadable or cut-off byte: mark it and go on after it.
                out += ReplacementCharacter;
                ++in;
                --inLeft;
                ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t handle_;
};

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string AnsiToUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    Cp932Decoder decoder;
    if (decoder.Ready()) {
        return decoder.Decode(bytes);
    }
    // Without CP932 in the C library: keep what is ASCII, mark the rest.
    std::string out;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
        } else {
            out += ReplacementCharacter;
        }
    }
    return out;
}

} // namespace kolvi
