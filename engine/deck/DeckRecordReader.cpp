#include "engine/deck/DeckRecordReader.h"

#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace korva {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

DeckRecord::DeckRecord(std::string fileLabel, std::string recordName, std::vector<Word> words)
    : fileLabel_(std::move(fileLabel)), recordName_(std::move(recordName)), words_(std::move(words))
{
}

void DeckRecord::fail(std::size_t index, const std::string& problem) const
{
    const Word& word = words_.at(index);
    throw RunFailure(StatusDeckFormatError,
                     "Project data file " + quoted(fileLabel_) + ", line " +
                         std::to_string(word.lineNumber) + ", " + recordName_ + ", value " +
                         std::to_string(index + 1) + ": " + quoted(word.text) + " " + problem);
}

float DeckRecord::real(std::size_t index) const
{
    std::string text = words_.at(index).text;
    for (char& c : text) {
        if (c == 'D' || c == 'd')
            c = 'E';
    }
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    // A number must start with a digit, a point or a minus sign: from_chars would also take
    // "inf" and "nan", which are not numbers of a project file.
    if (begin == end ||
        !(std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '.' || *begin == '-'))
        fail(index, "is not a number");
    double value = 0.0;
    auto [stop, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        fail(index, "is out of the range of a real number");
    if (ec != std::errc() || stop != end)
        fail(index, "is not a number");
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        fail(index, "is out of the range of a real number");
    return static_cast<float>(value);
}

int DeckRecord::integer(std::size_t index) const
{
    const std::string& text = words_.at(index).text;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    auto [stop, ec] = std::from_chars(begin, end, value);
    if (ec == std::errc::result_out_of_range)
        fail(index, "is out of the range of an integer");
    if (ec != std::errc() || stop != end)
        fail(index, "is not an integer");
    return value;
}

DeckRecordReader::DeckRecordReader(std::istream& input, std::string fileLabel)
    : input_(input), fileLabel_(std::move(fileLabel))
{
}

bool DeckRecordReader::nextLine(std::string& line)
{
    if (!std::getline(input_, line))
        return false;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::string DeckRecordReader::readTextLine(int width, const std::string& recordName)
{
    std::string line;
    if (!nextLine(line))
        throw RunFailure(StatusDeckFormatError,
                         "Project data file " + quoted(fileLabel_) + ": the file ends before the " +
                             recordName + " (line " + std::to_string(lineNumber_ + 1) + ")");
    line.resize(static_cast<std::size_t>(width), ' ');
    return line;
}

DeckRecord DeckRecordReader::readRecord(int count, const std::string& recordName)
{
    std::vector<DeckRecord::Word> words;
    const auto wanted = static_cast<std::size_t>(std::max(count, 0));
    std::string line;
    bool firstLine = true;
    // A comma with no value since the previous comma (or since the start of the record) would
    // be a null value.
    bool commaPending = true;
    while (firstLine || words.size() < wanted) {
        if (!nextLine(line)) {
            std::string found = std::to_string(words.size()) + " of " + std::to_string(wanted);
            throw RunFailure(StatusDeckFormatError,
                             "Project data file " + quoted(fileLabel_) +
                                 ": the file ends at line " + std::to_string(lineNumber_) +
                                 " inside the " + recordName + " (" + found + " values read)");
        }
        if (firstLine)
            commaPending = false;
        firstLine = false;
        std::size_t position = 0;
        while (position < line.size() && words.size() < wanted) {
            const char c = line[position];
            if (isBlank(c)) {
                ++position;
            } else if (c == ',') {
                if (commaPending || words.empty())
                    throw RunFailure(StatusDeckFormatError,
                                     "Project data file " + quoted(fileLabel_) + ", line " +
                                         std::to_string(lineNumber_) + ", " + recordName +
                                         ", value " + std::to_string(words.size() + 1) +
                                         ": empty value between separators");
                commaPending = true;
                ++position;
            } else {
                std::size_t end = position;
                while (end < line.size() && !isBlank(line[end]) && line[end] != ',')
                    ++end;
                words.push_back({line.substr(position, end - position), lineNumber_});
                commaPending = false;
                position = end;
            }
        }
    }
    return DeckRecord(fileLabel_, recordName, std::move(words));
}

} // namespace korva
