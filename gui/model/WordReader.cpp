#include "gui/model/WordReader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace korva::gui {

namespace {

bool IsTrimmable(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view TrimLeft(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsTrimmable(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view Trim(std::string_view s)
{
    s = TrimLeft(s);
    std::size_t n = s.size();
    while (n > 0 && IsTrimmable(s[n - 1]))
        --n;
    return s.substr(0, n);
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0u) != 0x80u)
                return false;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, surrogates and code points above U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes keep their own code point.
constexpr std::uint16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Cp1252ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size() * 2);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c <= 0x9F)
            AppendUtf8(out, Cp1252High[c - 0x80]);
        else
            AppendUtf8(out, c);
    }
    return out;
}

std::string LineAsUtf8(std::string_view raw)
{
    if (IsValidUtf8(raw))
        return std::string(raw);
    return Cp1252ToUtf8(raw);
}

} // namespace

TWordReader::TWordReader(const std::filesystem::path& fileName)
{
    std::string text;
    {
        std::ifstream in(fileName, std::ios::binary);
        if (!in)
            throw EInOutError("Cannot open file \"" + fileName.string() + "\".");
        std::ostringstream buffer;
        buffer << in.rdbuf();
        if (in.bad())
            throw EInOutError("Cannot read file \"" + fileName.string() + "\".");
        text = std::move(buffer).str();
    }
    AddLines(text);
}

TWordReader TWordReader::FromText(std::string_view text)
{
    TWordReader reader;
    reader.AddLines(text);
    return reader;
}

void TWordReader::AddLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        TWordContainer line;
        line.OrigString = LineAsUtf8(raw);
        line.Words = SplitWords(line.OrigString);
        fLines.push_back(std::move(line));
    }
}

std::vector<std::string> TWordReader::SplitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string_view rest = Trim(line);
    while (!rest.empty()) {
        const std::size_t separator = rest.find_first_of(" \t");
        words.emplace_back(rest.substr(0, separator));
        if (separator == std::string_view::npos)
            break;
        rest = TrimLeft(rest.substr(separator));
    }
    return words;
}

std::optional<double> TWordReader::ParseNumber(std::string_view word)
{
    // from_chars takes no leading plus sign; the files may carry one.
    if (word.starts_with('+')) {
        word.remove_prefix(1);
        if (word.starts_with('+') || word.starts_with('-'))
            return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool TWordReader::AdvanceToWord(bool allowEndOfFile)
{
    if (Eof()) {
        if (allowEndOfFile)
            return false;
        throw EInOutError(InvalidFileMessage);
    }
    if (fItem < GetCurrentLineWordCount())
        return true;
    ++fLine;
    fItem = 0;
    if (Eof()) {
        if (allowEndOfFile)
            return false;
        throw EInOutError(InvalidFileMessage);
    }
    if (GetCurrentLineWordCount() == 0) {
        // Blank lines that only trail the data are the end of the file; one inside the data
        // means the file was damaged.
        bool onlyBlankLinesFollow = true;
        for (int i = fLine; i < LineCount(); ++i)
            if (!fLines[static_cast<std::size_t>(i)].Words.empty())
                onlyBlankLinesFollow = false;
        if (onlyBlankLinesFollow) {
            if (allowEndOfFile)
                return false;
            throw EInOutError(InvalidFileMessage);
        }
        throw EInOutError("Error on Line " + std::to_string(fLine + 1) + " Item 1\r" +
                              EmptyLineMessage,
                          fLine + 1, 1);
    }
    return true;
}

std::string TWordReader::ReadWord()
{
    AdvanceToWord(false);
    return fLines[static_cast<std::size_t>(fLine)].Words[static_cast<std::size_t>(fItem++)];
}

void TWordReader::RaiseConversion(const char* what) const
{
    throw EInOutError("Error on Line " + std::to_string(fLine + 1) + " Item " +
                          std::to_string(fItem) + "\r" + what,
                      fLine + 1, fItem);
}

int TWordReader::ReadInteger()
{
    const std::optional<double> value = ParseNumber(ReadWord());
    if (!value || std::trunc(*value) != *value ||
        *value < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        *value > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        RaiseConversion(IntegerExpectedMessage);
    return static_cast<int>(*value);
}

double TWordReader::ReadFloat()
{
    const std::optional<double> value = ParseNumber(ReadWord());
    if (!value)
        RaiseConversion(FloatExpectedMessage);
    return *value;
}

std::string TWordReader::ReadWords()
{
    std::string text;
    while (AdvanceToWord(true)) {
        const std::string& word =
            fLines[static_cast<std::size_t>(fLine)].Words[static_cast<std::size_t>(fItem)];
        if (ParseNumber(word))
            break;
        if (!text.empty())
            text += ' ';
        text += word;
        ++fItem;
    }
    return text;
}

std::string TWordReader::ReadLine()
{
    if (Eof())
        throw EInOutError(InvalidFileMessage);
    std::string text = fLines[static_cast<std::size_t>(fLine)].OrigString;
    ++fLine;
    fItem = 0;
    return text;
}

std::string TWordReader::PeekLine()
{
    if (Eof())
        throw EInOutError(InvalidFileMessage);
    fItem = 0;
    return fLines[static_cast<std::size_t>(fLine)].OrigString;
}

int TWordReader::CountWordsLine()
{
    if (Eof())
        throw EInOutError(InvalidFileMessage);
    const int count = GetCurrentLineWordCount();
    ++fLine;
    fItem = 0;
    return count;
}

int TWordReader::GetCurrentLineWordCount() const
{
    return GetWordCount(fLine);
}

int TWordReader::GetWordCount(int lineIndex) const
{
    if (lineIndex < 0 || lineIndex >= LineCount())
        return 0;
    return static_cast<int>(fLines[static_cast<std::size_t>(lineIndex)].Words.size());
}

void TWordReader::SkipRestOfLine()
{
    if (Eof())
        return;
    ++fLine;
    fItem = 0;
}

long long TWordReader::RemainingWords() const
{
    if (Eof())
        return 0;
    long long count = GetCurrentLineWordCount() - fItem;
    for (int i = fLine + 1; i < LineCount(); ++i)
        count += GetWordCount(i);
    return count < 0 ? 0 : count;
}

} // namespace korva::gui
