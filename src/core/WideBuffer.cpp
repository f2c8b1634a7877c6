#include "WideBuffer.h"

#include <algorithm>

WideBuffer::WideBuffer(const QString &text)
{
    const auto count = std::min<qsizetype>(text.size(), Capacity - 1);
    std::copy_n(text.utf16(), count, m_chars.begin());
}

QString WideBuffer::text() const
{
    const auto end = std::find(m_chars.begin(), m_chars.begin() + Capacity, u'\0');
    return QString::fromUtf16(m_chars.data(), end - m_chars.begin());
}
