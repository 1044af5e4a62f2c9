#pragma once

#include <cstddef>
#include <cstdlib>

// Growable byte buffer for one token of a resource text file: starts at 1024 bytes and grows by
// 1024. Always NUL-terminated. A failed growth is reported, never thrown.
class TokenBuffer {
public:
    static constexpr size_t kStep = 1024;

    TokenBuffer() = default;
    ~TokenBuffer() { std::free(m_data); }
    TokenBuffer(const TokenBuffer&) = delete;
    TokenBuffer& operator=(const TokenBuffer&) = delete;

    // False when the buffer could not grow; the text is then unchanged.
    bool Append(char c);
    void Clear();
    const char* Text() const { return m_data != nullptr ? m_data : ""; }
    size_t Size() const { return m_size; }

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
};
