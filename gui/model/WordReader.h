#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/model/InOutError.h"

namespace korva::gui {

// Words of one physical line of a text file, with the line exactly as read.
struct TWordContainer
{
    std::vector<std::string> Words;
    std::string OrigString; // without the line end, leading and trailing blanks kept
};

// Tokenizer of the text files the desktop program reads (project data file, plot data file).
// The whole file is held as lines of blank- or tab-separated words; words, integers, numbers
// and whole lines are handed out in reading order. Every format error is an EInOutError whose
// message names the 1-based line and item.
//
// Lines are stored in UTF-8: a line that is not valid UTF-8 was written in the Windows-1252
// code page by older releases and is converted. Numbers use "." whatever the locale.
class TWordReader
{
  public:
    static constexpr const char* InvalidFileMessage = "This file either invalid or incomplete.";
    static constexpr const char* IntegerExpectedMessage = "An integer was expected but not found.";
    static constexpr const char* FloatExpectedMessage =
        "A floating point number was expected but not found.";
    static constexpr const char* EmptyLineMessage =
        "An empty line was found where data was expected.";

    // Reads the whole file; the file is closed before the constructor returns. A file that
    // cannot be opened or read raises EInOutError ("Cannot open file ...").
    explicit TWordReader(const std::filesystem::path& fileName);
    // Reader over text already in memory (same line splitting as a file).
    static TWordReader FromText(std::string_view text);

    // True when every line has been passed (Line equals the number of lines).
    bool Eof() const { return fLine >= LineCount(); }

    // Next word; moves over at most one line end. At the end of the file: "This file either
    // invalid or incomplete.". An empty line met in the middle of the file is a format error
    // naming that line.
    std::string ReadWord();
    // Word converted as a number with no fractional part in the 32-bit signed range.
    int ReadInteger();
    // Word converted as a number ("." separator, whatever the locale).
    double ReadFloat();
    // Consecutive words that are not numbers, joined by single blanks; stops in front of the
    // first numeric word (not consumed) or at the end of the file.
    std::string ReadWords();
    // The current line as read (untrimmed); moves to the start of the next line.
    std::string ReadLine();
    // The current line as read; stays on it but resets Item to 0.
    std::string PeekLine();
    // Word count of the current line; moves to the start of the next line.
    int CountWordsLine();

    // Discards the rest of the current line: moves to the start of the next line (nothing at
    // the end of the file).
    void SkipRestOfLine();
    // Words not yet handed out, from the current position to the end of the file.
    long long RemainingWords() const;

    int GetCurrentLineWordCount() const;
    int GetWordCount(int lineIndex) const;
    int GetLineCount() const { return LineCount(); }
    int NumberLines() const { return LineCount(); }
    bool GetAtStartOfLine() const { return fItem == 0; }

    // 0-based index of the current line; 0-based index of the next word on it (after a word
    // was read: the 1-based position of that word).
    int Line() const { return fLine; }
    int Item() const { return fItem; }

    // Whether a word converts as a number the way ReadFloat converts it.
    static std::optional<double> ParseNumber(std::string_view word);
    // Splits a line into words at runs of blanks and tabs.
    static std::vector<std::string> SplitWords(std::string_view line);

  private:
    TWordReader() = default;
    void AddLines(std::string_view text);
    int LineCount() const { return static_cast<int>(fLines.size()); }
    // Moves to the next word if the current line is used up; false at the end of the file.
    bool AdvanceToWord(bool allowEndOfFile);
    [[noreturn]] void RaiseConversion(const char* what) const;

    std::vector<TWordContainer> fLines;
    int fLine = 0;
    int fItem = 0;
};

} // namespace korva::gui
