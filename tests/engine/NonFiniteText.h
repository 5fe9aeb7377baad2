#pragma once
// Whether a report, plot or JSON text holds a number that is not finite, in any of the
// spellings a writer may give it ("NaN", "nan", "-nan", "Infinity", "inf", ...). Words such as
// "INFORMATION" are no match: the text is split into words and each word compared whole.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace korva::test {

inline bool containsNonFiniteNumber(std::string_view text)
{
    const auto separator = [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) != 0 ||
               std::string_view(",[]{}:\"()=").find(c) != std::string_view::npos;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && separator(text[i]))
            ++i;
        std::size_t end = i;
        while (end < text.size() && !separator(text[end]))
            ++end;
        std::string word(text.substr(i, end - i));
        i = end;
        if (!word.empty() && (word[0] == '-' || word[0] == '+'))
            word.erase(0, 1);
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (word == "nan" || word == "inf" || word == "infinity")
            return true;
    }
    return false;
}

} // namespace korva::test
