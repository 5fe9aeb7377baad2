#include "engine/deck/DeckRecordReader.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korva {
namespace {

std::vector<float> reals(const DeckRecord& record)
{
    std::vector<float> values;
    for (std::size_t i = 0; i < record.size(); ++i)
        values.push_back(record.real(i));
    return values;
}

TEST(DeckRecordReader, RecordContinuesOnFollowingLinesAndIgnoresTheRestOfItsLastLine)
{
    std::istringstream split("0.0 120 32 0 0\r\n0 0 1 1 \r\nnext\n");
    std::istringstream oneLine("0.0 120 32 0 0 0 0 1 1\nnext\n");
    DeckRecordReader a(split, "split.kv8d");
    DeckRecordReader b(oneLine, "one.kv8d");
    EXPECT_EQ(reals(a.readRecord(9, "property record")), reals(b.readRecord(9, "property record")));
    EXPECT_EQ(a.lineNumber(), 2);
    EXPECT_EQ(a.readTextLine(4, "title"), "next");

    std::istringstream tenValues("1 2 3 4 5 6 7 8 9 10\n11 12\n");
    DeckRecordReader c(tenValues, "ten.kv8d");
    EXPECT_EQ(reals(c.readRecord(9, "property record")).back(), 9.0f);
    EXPECT_EQ(c.readRecord(2, "head record").real(0), 11.0f); // 10 was lost with its line
}

TEST(DeckRecordReader, SeparatorsAndNumberForms)
{
    std::istringstream in("1,2 , 3\t4\n"
                          "+5 -6.5 .25 1E-6 2.5d2 7.\n"
                          "\n"
                          "   \n"
                          "8\n");
    DeckRecordReader reader(in, "forms.kv8d");
    EXPECT_EQ(reals(reader.readRecord(4, "r")), (std::vector<float>{1, 2, 3, 4}));
    EXPECT_EQ(reals(reader.readRecord(6, "r")),
              (std::vector<float>{5, -6.5f, 0.25f, 1e-6f, 250, 7}));
    // Empty lines are passed over while a record still needs values.
    EXPECT_EQ(reader.readRecord(1, "r").integer(0), 8);
    EXPECT_EQ(reader.lineNumber(), 5);
}

TEST(DeckRecordReader, ZeroValuesStillConsumeOneLine)
{
    std::istringstream in("\n7\n");
    DeckRecordReader reader(in, "zero.kv8d");
    EXPECT_EQ(reader.readRecord(0, "settlement record").size(), 0u);
    EXPECT_EQ(reader.readRecord(1, "r").integer(0), 7);
}

struct BadRecord
{
    const char* text;
    int count;
    bool asInteger;
    const char* messagePart;
};

TEST(DeckRecordReader, UnreadableRecordsNameFileLineRecordAndValue)
{
    const BadRecord cases[] = {
        {"1 2 abc\n", 3, false, "line 1, shaft record, value 3: \"abc\" is not a number"},
        {"1 2\n3\n", 4, false, "ends at line 2 inside the shaft record (3 of 4 values read)"},
        {"", 1, false, "ends at line 0 inside the shaft record (0 of 1 values read)"},
        {"2.0\n", 1, true, "\"2.0\" is not an integer"},
        {"99999999999\n", 1, true, "out of the range of an integer"},
        {"1e39\n", 1, false, "out of the range of a real number"},
        {"nan\n", 1, false, "\"nan\" is not a number"},
        {"1,,2\n", 3, false, "value 2: empty value between separators"},
        {",1\n", 1, false, "value 1: empty value between separators"},
        {"3*1.5\n", 1, false, "\"3*1.5\" is not a number"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        DeckRecordReader reader(in, "/data/bad file.kv8d");
        try {
            DeckRecord record = reader.readRecord(c.count, "shaft record");
            for (std::size_t i = 0; i < record.size(); ++i)
                c.asInteger ? static_cast<void>(record.integer(i))
                            : static_cast<void>(record.real(i));
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const RunFailure& failure) {
            EXPECT_EQ(failure.status(), StatusDeckFormatError);
            const std::string message = failure.what();
            EXPECT_NE(message.find("\"/data/bad file.kv8d\""), std::string::npos) << message;
            EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace korva
