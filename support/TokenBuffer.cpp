#include "support/TokenBuffer.h"

bool TokenBuffer::Append(char c)
{
    if (m_size + 2 > m_capacity) {
        auto* grown = static_cast<char*>(std::realloc(m_data, m_capacity + kStep));
        if (grown == nullptr)
            return false;
        m_data = grown;
        m_capacity += kStep;
    }
    m_data[m_size++] = c;
    m_data[m_size] = '\0';
    return true;
}

void TokenBuffer::Clear()
{
    m_size = 0;
    if (m_data != nullptr)
        m_data[0] = '\0';
}
