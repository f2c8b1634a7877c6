#include "ValueRule.h"

#include "DecimalText.h"

#include <algorithm>
#include <charconv>

namespace virtualprinter
{
namespace
{

bool parseLong(std::string_view text, long &number)
{
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && stop == end;
}

bool isAddressField(std::string_view field)
{
    long number = 0;
    return DecimalText::allDigits(field) && field.size() <= 3 && parseLong(field, number) &&
           number <= 255;
}

} // namespace

ValueRule ValueRule::words(std::vector<std::string_view> words)
{
    ValueRule rule(Kind::Words);
    rule.m_words = std::move(words);
    return rule;
}

ValueRule ValueRule::integer(long minimum, long maximum)
{
    ValueRule rule(Kind::Integer);
    rule.m_minimum = minimum;
    rule.m_maximum = maximum;
    return rule;
}

ValueRule ValueRule::text(std::size_t minLength, std::size_t maxLength)
{
    ValueRule rule(Kind::Text);
    rule.m_minimum = static_cast<long>(minLength);
    rule.m_maximum = static_cast<long>(maxLength);
    return rule;
}

ValueRule ValueRule::digits(std::size_t minLength, std::size_t maxLength)
{
    ValueRule rule = text(minLength, maxLength);
    rule.m_kind = Kind::Digits;
    return rule;
}

ValueRule ValueRule::address()
{
    return ValueRule(Kind::Address);
}

ValueRule ValueRule::readOnly()
{
    return ValueRule(Kind::ReadOnly);
}

bool ValueRule::accepts(std::string_view value) const
{
    switch (m_kind) {
    case Kind::Words:
        return std::find(m_words.begin(), m_words.end(), value) != m_words.end();
    case Kind::Integer:
        return acceptsInteger(value);
    case Kind::Text:
        return acceptsText(value);
    case Kind::Digits:
        return acceptsDigits(value);
    case Kind::Address:
        return acceptsAddress(value);
    case Kind::ReadOnly:
        return false;
    }
    return false;
}

bool ValueRule::acceptsInteger(std::string_view value) const
{
    const std::string_view magnitude = value.substr(!value.empty() && value.front() == '-');
    long number = 0;
    return DecimalText::allDigits(magnitude) && parseLong(value, number) && number >= m_minimum &&
           number <= m_maximum;
}

bool ValueRule::acceptsText(std::string_view value) const
{
    const auto isControl = [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    };
    const long length = static_cast<long>(value.size());
    return length >= m_minimum && length <= m_maximum &&
           std::none_of(value.begin(), value.end(), isControl);
}

bool ValueRule::acceptsDigits(std::string_view value) const
{
    return acceptsText(value) && std::all_of(value.begin(), value.end(), DecimalText::isDigit);
}

bool ValueRule::acceptsAddress(std::string_view value)
{
    int fields = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = value.find('.', start);
        if (!isAddressField(value.substr(start, dot - start)))
            return false;
        ++fields;
        if (dot == std::string_view::npos)
            return fields == 4;
        start = dot + 1;
    }
}

} // namespace virtualprinter
