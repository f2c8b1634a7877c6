#pragma once

#include <QString>

#include <array>

// A zero-filled buffer of 255 UTF-16 characters, the size the optional
// libraries take for texts in and out. A text copied in is cut to fit with
// its terminating NUL; reading stops at the first NUL, and never runs past
// the buffer even when a library filled it completely.
class WideBuffer
{
public:
    static constexpr int Capacity = 255;

    WideBuffer() = default;
    explicit WideBuffer(const QString &text);

    char16_t *data() { return m_chars.data(); }
    const char16_t *data() const { return m_chars.data(); }
    QString text() const;

private:
    // One character beyond the capacity stays NUL whatever the library does.
    std::array<char16_t, Capacity + 1> m_chars{};
};
