#include "gui/model/WordReader.h"

#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace korva::gui;

namespace {

std::string ErrorOf(auto&& action)
{
    try {
        action();
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(WordReader, SplitsAtRunsOfBlanksAndTabsAndKeepsTheRawLine)
{
    const std::string raw = "  12.5\t 7   abc ";
    auto reader = TWordReader::FromText(raw + "\r\nnext\r\n");
    EXPECT_EQ(reader.GetLineCount(), 2);
    EXPECT_EQ(reader.GetWordCount(0), 3);
    EXPECT_EQ(reader.ReadWord(), "12.5");
    EXPECT_EQ(reader.Item(), 1);
    EXPECT_EQ(reader.ReadWord(), "7");
    EXPECT_EQ(reader.ReadWord(), "abc");
    EXPECT_EQ(reader.Line(), 0);
    EXPECT_EQ(reader.Item(), 3);
    EXPECT_EQ(reader.PeekLine(), raw);
    EXPECT_TRUE(reader.GetAtStartOfLine());
    EXPECT_EQ(reader.ReadLine(), raw);
    EXPECT_EQ(reader.Line(), 1);
    EXPECT_FALSE(reader.Eof());
    EXPECT_EQ(reader.ReadWord(), "next");
    EXPECT_FALSE(reader.Eof());
    EXPECT_EQ(ErrorOf([&] { reader.ReadWord(); }), "This file either invalid or incomplete.");
    EXPECT_TRUE(reader.Eof());
}

TEST(WordReader, NumbersUseThePointWhateverTheLocale)
{
    // A locale with a decimal comma, if the machine has one; the reader must not care.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    auto reader = TWordReader::FromText("1.5 -2.5E-3 +4 1E5\n");
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 1.5);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), -2.5e-3);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 4.0);
    EXPECT_EQ(reader.ReadInteger(), 100000);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(WordReader, IntegerAndFloatErrorsNameLineAndItem)
{
    struct Case
    {
        const char* text;
        bool asInteger;
        int wordsBefore; // words read successfully before the failing one
        const char* message;
    };
    const Case cases[] = {
        {"3.5\n", true, 0, "Error on Line 1 Item 1\rAn integer was expected but not found."},
        {"1 2\n1 2 3\n4\n5\n1 2 abc\n", false, 9,
         "Error on Line 5 Item 3\rA floating point number was expected but not found."},
        {"1,5\n", false, 0,
         "Error on Line 1 Item 1\rA floating point number was expected but not found."},
        {"x 3000000000\n", true, 1,
         "Error on Line 1 Item 2\rAn integer was expected but not found."},
        {"inf\n", false, 0,
         "Error on Line 1 Item 1\rA floating point number was expected but not found."},
        {"0x10\n", true, 0, "Error on Line 1 Item 1\rAn integer was expected but not found."},
        {"+-1\n", false, 0,
         "Error on Line 1 Item 1\rA floating point number was expected but not found."},
    };
    for (const Case& c : cases) {
        auto reader = TWordReader::FromText(c.text);
        for (int i = 0; i < c.wordsBefore; ++i)
            reader.ReadWord();
        try {
            if (c.asInteger)
                reader.ReadInteger();
            else
                reader.ReadFloat();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.text;
        }
    }
}

TEST(WordReader, IntegerAcceptsWholeNumbersWrittenAsReals)
{
    auto reader = TWordReader::FromText("3.0 -2147483648 2147483647 0\n");
    EXPECT_EQ(reader.ReadInteger(), 3);
    EXPECT_EQ(reader.ReadInteger(), -2147483648);
    EXPECT_EQ(reader.ReadInteger(), 2147483647);
    EXPECT_EQ(reader.ReadInteger(), 0);
}

TEST(WordReader, ReadWordsStopsInFrontOfTheFirstNumber)
{
    auto reader = TWordReader::FromText("Soil Layer 3 12.0\nnext line\n");
    EXPECT_EQ(reader.ReadWords(), "Soil Layer");
    EXPECT_EQ(reader.ReadInteger(), 3);
    EXPECT_EQ(reader.ReadWords(), "");
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 12.0);
    // Moves over the line end; stops at the end of the file without an error.
    EXPECT_EQ(reader.ReadWords(), "next line");
    EXPECT_EQ(ErrorOf([&] { reader.ReadWord(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, EmptyLineInsideTheDataIsAFormatErrorButTrailingBlankLinesAreNot)
{
    auto reader = TWordReader::FromText("1 2\n\n3\n");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_EQ(ErrorOf([&] { reader.ReadInteger(); }),
              "Error on Line 2 Item 1\rAn empty line was found where data was expected.");

    auto trailing = TWordReader::FromText("1\n\n  \n");
    EXPECT_EQ(trailing.ReadInteger(), 1);
    EXPECT_EQ(ErrorOf([&] { trailing.ReadWord(); }), "This file either invalid or incomplete.");

    auto empty = TWordReader::FromText("");
    EXPECT_TRUE(empty.Eof());
    EXPECT_EQ(ErrorOf([&] { empty.ReadWord(); }), "This file either invalid or incomplete.");
    EXPECT_EQ(ErrorOf([&] { empty.ReadLine(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, CountWordsLineAndQueries)
{
    auto reader = TWordReader::FromText("a b c\n\nd\n");
    EXPECT_EQ(reader.NumberLines(), 3);
    EXPECT_EQ(reader.GetCurrentLineWordCount(), 3);
    EXPECT_EQ(reader.CountWordsLine(), 3);
    EXPECT_EQ(reader.CountWordsLine(), 0);
    EXPECT_EQ(reader.ReadWord(), "d");
    EXPECT_EQ(reader.GetWordCount(7), 0);
}

TEST(WordReader, ReadsFilesWithCrLfAndOldCodePageTitles)
{
    const auto path = std::filesystem::temp_directory_path() / "korva_wordreader_test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Caf\xE9 \xB0"
               "F\r\n1.25\r\n";
    }
    TWordReader reader(path);
    EXPECT_EQ(reader.ReadLine(), "Caf\xC3\xA9 \xC2\xB0"
                                 "F");
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 1.25);
    std::filesystem::remove(path);

    EXPECT_THROW(TWordReader{path}, EInOutError);
}

} // namespace
