#pragma once
// Free-format record reader of the project data file.
//
// A record is one read of a fixed number of values: it starts at the beginning of the next
// unread line, takes values separated by blanks, tabs or commas, continues onto following
// lines while it needs more, and ignores whatever remains on the last line it used. Two commas
// with no value between them (a null value) are refused rather than read as a value left
// unchanged. Every failure throws RunFailure with StatusDeckFormatError and a message naming the
// file, the line, the record and the value.
#include <istream>
#include <string>
#include <vector>

namespace korva {

class DeckRecord
{
  public:
    struct Word
    {
        std::string text;
        int lineNumber = 0;
    };

    DeckRecord(std::string fileLabel, std::string recordName, std::vector<Word> words);

    std::size_t size() const { return words_.size(); }
    // The value at position index (0-based) as a real; any decimal or exponent form with "."
    // as decimal point, a leading sign, and "D" for "E" as exponent letter.
    float real(std::size_t index) const;
    // The value at position index as a 32-bit integer: digits with an optional sign only.
    int integer(std::size_t index) const;

    // The value at position index as written, its line, and the names used in messages.
    const std::string& text(std::size_t index) const { return words_.at(index).text; }
    int lineOf(std::size_t index) const { return words_.at(index).lineNumber; }
    const std::string& recordName() const { return recordName_; }
    const std::string& fileLabel() const { return fileLabel_; }

  private:
    [[noreturn]] void fail(std::size_t index, const std::string& problem) const;

    std::string fileLabel_;
    std::string recordName_;
    std::vector<Word> words_;
};

class DeckRecordReader
{
  public:
    // fileLabel names the file in messages (its path).
    DeckRecordReader(std::istream& input, std::string fileLabel);

    // The next line as text, cut after `width` characters and padded with blanks to `width`.
    std::string readTextLine(int width, const std::string& recordName);

    // One free-format read of `count` values. With count 0 one line is still consumed.
    DeckRecord readRecord(int count, const std::string& recordName);

    // Number of the last line read (1-based; 0 before the first).
    int lineNumber() const { return lineNumber_; }
    const std::string& fileLabel() const { return fileLabel_; }

  private:
    bool nextLine(std::string& line);

    std::istream& input_;
    std::string fileLabel_;
    int lineNumber_ = 0;
};

} // namespace korva
