// What every fuzz target shares: reading choices, numbers and texts out of
// the fuzzer's bytes, and stopping loudly when a check fails.
//
// The reader never fails: past the end it gives zeros and empty texts, so
// any byte string is a valid input and a short one means "the plain case".
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

// The entry point libFuzzer calls, and the replay program too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// A failed check: the message on standard error, then abort(), which both
// libFuzzer and the corpus replay report as a crash with this input.
[[noreturn]] inline void Fail(const char* file, int line, const std::string& message)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, message.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, message)                                                                       \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::fuzz::Fail(__FILE__, __LINE__, std::string(#condition) + ": " + (message));                    \
    } while (0)

// Two doubles alike to the bit, or both NaN (whose payloads may differ).
inline bool Same(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A double for a message: all 17 digits.
inline std::string Show(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }
    std::size_t Left() const { return Empty() ? 0 : size_ - pos_; }

    std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }
    bool Bit() { return (Byte() & 1) != 0; }

    // A choice among count (count >= 1): one byte, two when count > 256.
    unsigned Below(unsigned count)
    {
        unsigned raw = Byte();
        if (count > 256)
            raw = raw << 8 | Byte();
        return raw % count;
    }

    // Any int, small ones most often: a signed byte, or four raw bytes.
    int Int()
    {
        const std::uint8_t tag = Byte();
        if (tag < 0xF0)
            return static_cast<std::int8_t>(Byte());
        std::uint32_t raw = 0;
        for (int i = 0; i < 4; ++i)
            raw = raw << 8 | Byte();
        return std::bit_cast<std::int32_t>(raw);
    }

    // Any double, each kind reachable from one tag byte: special values
    // (zeros, limits, infinities, NaN), a value between two bounds the
    // target cares about, a small integer, or eight raw bytes (every bit
    // pattern, subnormals and NaN payloads included).
    double Double(double low = -1e6, double high = 1e6)
    {
        const std::uint8_t tag = Byte();
        switch (tag % 8) {
        case 0: {
            static constexpr double kSpecial[] = {
                0.0, -0.0, 1.0, -1.0, 0.5, 1e-308, 5e-324, -5e-324,
                std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                std::numeric_limits<double>::min(), std::numeric_limits<double>::infinity(),
                -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                -std::numeric_limits<double>::quiet_NaN(), 1e308, -1e308, 1e300, 1e-300, 1e15, 1e16, 1e17,
                999999999999.0, 1e-11, 0.1, 100.0, 273.15, 373.15, 647.14, 1e5, 22064000.0, 1e7};
            return kSpecial[Byte() % std::size(kSpecial)];
        }
        case 1:
        case 2:
        case 3: {
            // Two bytes of fraction across the bounds.
            const double fraction = (Byte() << 8 | Byte()) / 65535.0;
            return low + (high - low) * fraction;
        }
        case 4: return static_cast<double>(static_cast<std::int8_t>(Byte()));
        default: {
            std::uint64_t raw = 0;
            for (int i = 0; i < 8; ++i)
                raw = raw << 8 | Byte();
            return std::bit_cast<double>(raw);
        }
        }
    }

    // A text of up to maxLength bytes: one length byte, then the bytes.
    std::string Text(std::size_t maxLength = 255)
    {
        std::size_t length = Byte();
        if (length > maxLength)
            length = maxLength;
        length = length < Left() ? length : Left();
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }

    // Everything that is left.
    std::string_view Rest()
    {
        const std::string_view rest = Empty() ? std::string_view() :
            std::string_view(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace fuzz
