#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace virtualprinter
{

// What the printer accepts for one parameter. A value it does not accept is
// ignored and the old value stays, as the printer keeps working settings
// rather than store something it cannot use.
class ValueRule
{
public:
    static ValueRule words(std::vector<std::string_view> words);
    static ValueRule integer(long minimum, long maximum);
    static ValueRule text(std::size_t minLength, std::size_t maxLength);
    static ValueRule digits(std::size_t minLength, std::size_t maxLength);
    static ValueRule address();
    // Identity and counters: the printer's own, never set from the host.
    static ValueRule readOnly();

    bool writable() const { return m_kind != Kind::ReadOnly; }
    bool accepts(std::string_view value) const;

private:
    enum class Kind { Words, Integer, Text, Digits, Address, ReadOnly };

    explicit ValueRule(Kind kind) : m_kind(kind) {}

    bool acceptsInteger(std::string_view value) const;
    bool acceptsText(std::string_view value) const;
    bool acceptsDigits(std::string_view value) const;
    static bool acceptsAddress(std::string_view value);

    Kind m_kind;
    std::vector<std::string_view> m_words;
    long m_minimum = 0;
    long m_maximum = 0;
};

} // namespace virtualprinter
