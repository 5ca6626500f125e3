// Reads the fuzzer's input front to back; past the end every read gives 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    template <typename T>
    T Raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes) b = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // How long the next long text may be: long texts share one allowance an
    // input.  A call of 64 KB is still reached, but not a log of them, whose
    // copies in every line, file and check cost a run far more than the
    // paths they open.
    std::size_t LongTextLength(std::size_t wanted) {
        const std::size_t length = wanted < m_longTextLeft ? wanted : m_longTextLeft;
        m_longTextLeft -= length;
        return length;
    }

    // `length` bytes as a C string would carry them: cut at the first NUL.
    std::string Bytes(std::size_t length) {
        std::string text;
        for (; length > 0 && !Empty(); --length) text += static_cast<char>(Byte());
        return text.substr(0, text.find('\0'));
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    static constexpr std::size_t kLongTextAllowance = 65535;  // the longest one text
    std::size_t m_longTextLeft = kLongTextAllowance;
};
