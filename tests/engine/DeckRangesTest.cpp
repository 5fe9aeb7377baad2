#include "engine/deck/DeckRanges.h"
#include "engine/deck/InputDeckReader.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include "NonFiniteText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

namespace korva {
namespace {

namespace fs = std::filesystem;

// A deck that holds every ranged value once: all records of the control options, one layer
// of each record layout (sand by the Ko method, clay, strong rock, decomposed rock, weak rock,
// gravelly sand) and one additional t-z depth. Line numbers are those of the file.
const std::vector<std::string> EnglishDeck = {
    "Every ranged value",                      //  1 title
    "1",                                       //  2 units
    "2 1 1 1 1 2 1 1 0 0 1",                   //  3 control record
    "3 0 0 0 5 1 4000000",                     //  4 shaft record
    "6 10 30 2.5 3",                           //  5 site record
    "0 0",                                     //  6 multiple lengths
    "0 0 0 2",                                 //  7 design charts
    "0.5 1",                                   //  8 settlements
    "1 10",                                    //  9 sand
    "0.0 120 32 0 10 0 0 1 1",                 // 10
    "0.0 120 32 0 10 0 0 1 1",                 // 11
    "1",                                       // 12 method: Ko
    "0.5 0.5",                                 // 13
    "2 20",                                    // 14 clay
    "9 120 0.0 1000 8 0 0 1 1",                // 15
    "9 120 0.0 1000 8 0 0 1 1",                // 16
    "0.55 0.55",                               // 17
    "4 30",                                    // 18 strong rock
    "5000 500000 1 0.01 3 0 2000000 80 0 1 1", // 19
    "5000 500000 1 0.01 3 0 2000000 80 0 1 1", // 20
    "5 40",                                    // 21 decomposed rock
    "125 50 0.3 50000 3 0 0 1 1",              // 22
    "125 50 0.3 50000 3 0 0 1 1",              // 23
    "6 50",                                    // 24 weak rock
    "300000 1 6 30 3 0 1000000 70 0 1 1",      // 25
    "300000 1 6 30 3 0 1000000 70 0 1 1",      // 26
    "8 60",                                    // 27 gravelly sand
    "125 20 0.5 0 0 1 1",                      // 28
    "125 20 0.5 0 0 1 1",                      // 29
    "1",                                       // 30 t-z depth count
    "10",                                      // 31
};

// The deck with word `position` (1-based) of line `line` (1-based) replaced.
std::string withWord(std::vector<std::string> lines, int line, int position,
                     const std::string& word)
{
    std::istringstream in(lines.at(static_cast<std::size_t>(line - 1)));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    words.at(static_cast<std::size_t>(position - 1)) = word;
    std::string joined;
    for (const std::string& w : words)
        joined += (joined.empty() ? "" : " ") + w;
    lines[static_cast<std::size_t>(line - 1)] = joined;
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    return text;
}

// Reads a deck; the failure it ends with, or status 0.
RunFailure readFailure(const std::string& text)
{
    std::istringstream in(text);
    DeckRecordReader reader(in, "deck.kv8d");
    std::ostringstream report, notes, tz;
    InputDeck deck;
    try {
        readInputDeck(reader, DeckEchoTargets{report, notes, tz}, deck);
    } catch (const RunFailure& failure) {
        return failure;
    }
    return RunFailure(StatusNormal, "");
}

struct RangeCase
{
    DeckValue value;
    int line;
    int position;
    const char* outside;   // a value outside the range
    int methodLine12 = 1;  // sand method of the deck (the coefficient follows it)
    int methodCode = 2;    // METHOD of the control record (1: the design value is a load)
    bool boundsFit = true; // the bounds themselves can stand in this place
};

// One deck per ranged value: the value in its place, outside its range.
const std::vector<RangeCase> RangeCases = {
    {DeckValue::METHOD, 3, 1, "3"},
    {DeckValue::KCYCL, 3, 2, "0"},
    {DeckValue::RCYCL, 3, 3, "1.5"},
    {DeckValue::PINC, 3, 4, "-1"},
    {DeckValue::ValElevation, 3, 10, "1e30"},
    {DeckValue::DSTART, 4, 1, "1e38"},
    {DeckValue::DIALIM, 4, 2, "31"},
    {DeckValue::RATIO, 4, 3, "1e30"},
    {DeckValue::BELANGL, 4, 4, "-5"},
    {DeckValue::TOPLENG, 4, 5, "1e30"},
    {DeckValue::BS, 4, 6, "504"},
    {DeckValue::EPILE, 4, 7, "1e38"},
    {DeckValue::WTD, 5, 2, "-1"},
    {DeckValue::LPD, 5, 3, "2e6", 1, 1},
    {DeckValue::PD, 5, 3, "1e38"},
    {DeckValue::FST, 5, 4, "0"},
    {DeckValue::FSB, 5, 5, "1e10"},
    {DeckValue::PDMIN, 6, 1, "-3"},
    {DeckValue::PDINCR, 7, 2, "600"},
    {DeckValue::DIAMINCR, 7, 3, "100"},
    {DeckValue::PDSETT, 8, 2, "1e20"},
    {DeckValue::TZDepth, 31, 1, "1e38"},
    {DeckValue::LayerDepth, 27, 2, "1e38", 1, 2, false},
    {DeckValue::MaxSideFriction, 15, 6, "-100"},
    {DeckValue::MaxEndBearing, 28, 5, "1e20"},
    {DeckValue::PhiSide, 19, 10, "2"},
    {DeckValue::PhiBase, 11, 9, "-0.5"},
    {DeckValue::UnitWeight, 10, 2, "1e38"},
    {DeckValue::FrictionAngle, 11, 3, "89"},
    {DeckValue::InterfaceAngle, 10, 4, "-10"},
    {DeckValue::BlowCounts, 22, 2, "1e9"},
    {DeckValue::Ko, 13, 2, "1e30"},
    {DeckValue::Beta, 13, 1, "1e30", 2},
    {DeckValue::OCR, 13, 2, "-1", 3},
    {DeckValue::Beta, 28, 3, "11"},
    {DeckValue::Cohesion, 16, 4, "1e38"},
    {DeckValue::Alpha, 17, 1, "1e38"},
    {DeckValue::Nc, 15, 1, "1e5"},
    {DeckValue::CompressiveStrength, 25, 1, "1e38"},
    {DeckValue::ConcreteStrength, 20, 2, "1e38"},
    {DeckValue::DiscontinuitySpacing, 19, 3, "1e38"},
    {DeckValue::DiscontinuityThickness, 20, 4, "1e38"},
    {DeckValue::SocketDiameter, 26, 5, "1e38"},
    {DeckValue::ElasticModulus, 25, 7, "1e38"},
    {DeckValue::RQD, 19, 8, "101"},
    {DeckValue::InterfaceCondition, 26, 2, "5"},
    {DeckValue::ConcreteSlump, 25, 3, "1e38"},
    {DeckValue::InterfaceFrictionAngle, 26, 4, "1e38"},
    {DeckValue::PoissonsRatio, 23, 3, "0.6"},
    {DeckValue::YoungsModulus, 22, 4, "1e38"},
};

std::vector<std::string> deckFor(const RangeCase& c)
{
    std::vector<std::string> lines = EnglishDeck;
    lines[11] = std::to_string(c.methodLine12);
    lines[2][0] = static_cast<char>('0' + c.methodCode);
    return lines;
}

TEST(DeckRanges, EveryRangedValueOutsideItsRangeIsRefusedWithFileLineRecordValueAndRange)
{
    std::set<DeckValue> covered;
    for (const RangeCase& c : RangeCases) {
        SCOPED_TRACE(deckRange(c.value).field);
        covered.insert(c.value);
        const RunFailure failure = readFailure(withWord(deckFor(c), c.line, c.position, c.outside));
        EXPECT_EQ(failure.status(), StatusDeckValueOutOfRange);
        const DeckValueRange& range = deckRange(c.value);
        const std::string unit = deckUnitText(range.unit, false);
        const std::string expected =
            "Project data file \"deck.kv8d\", line " + std::to_string(c.line) + ", ";
        const std::string message = failure.what();
        EXPECT_EQ(message.rfind(expected, 0), 0u) << message;
        EXPECT_NE(message.find(", value " + std::to_string(c.position) + ": " + range.description +
                               " " + c.outside),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("is outside " + rangeBoundText(range.englishMin) + " to " +
                               rangeBoundText(range.englishMax) + (unit.empty() ? "" : " " + unit)),
                  std::string::npos)
            << message;
    }
    EXPECT_EQ(covered.size(), deckRangeTable().size()) << "a ranged value without its deck";
}

TEST(DeckRanges, TheBoundsThemselvesAndTheDeckAsWrittenAreAccepted)
{
    EXPECT_EQ(readFailure(withWord(EnglishDeck, 1, 1, "Every")).status(), StatusNormal);
    for (const RangeCase& c : RangeCases) {
        if (!c.boundsFit)
            continue;
        const DeckValueRange& range = deckRange(c.value);
        SCOPED_TRACE(range.field);
        for (double bound : {range.englishMin, range.englishMax}) {
            const RunFailure failure =
                readFailure(withWord(deckFor(c), c.line, c.position, rangeBoundText(bound)));
            EXPECT_EQ(failure.status(), StatusNormal) << failure.what();
        }
    }
}

TEST(DeckRanges, SiDecksAreCheckedInSiUnitsWithSiUnitTexts)
{
    const std::string head = "SI\n2\n2 1 1 1 1 2 0 0 0 0 0\n1 0 0 0 1.5 0.3 27600000\n";
    const std::string clay = "2 20\n9 19 0.0 100 0 0 0 1 1\n9 19 0.0 150 0 0 0 1 1\n0 0\n";
    struct Case
    {
        std::string deck;
        const char* message;
    } cases[] = {
        {head + "1 3 12 2.5 3\n" + clay, nullptr},
        // 120 is a unit weight in lbs/ft^3, not in kN/m^3.
        {head + "1 3 12 2.5 3\n2 20\n9 120 0.0 100 0 0 0 1 1\n9 19 0.0 150 0 0 0 1 1\n0 0\n",
         "line 7, property record at the top of layer 1, value 2: total unit weight 120 kN/m^3 "
         "is outside 0 to 48 kN/m^3"},
        {head + "1 3 154 2.5 3\n" + clay,
         "line 5, site record, value 3: shaft length 154 m is outside 0 to 153.3 m"},
        {"SI\n2\n2 1 1 1 1 2 0 0 0 0 0\n1 0 0 0 1.5 0.3 1e10\n1 3 12 2.5 3\n" + clay,
         "modulus of the shaft 1e10 kN/m^2 is outside 6800 to 6.9e9 kN/m^2"},
    };
    for (const Case& c : cases) {
        const RunFailure failure = readFailure(c.deck);
        if (c.message == nullptr) {
            EXPECT_EQ(failure.status(), StatusNormal) << failure.what();
            continue;
        }
        EXPECT_EQ(failure.status(), StatusDeckValueOutOfRange);
        EXPECT_NE(std::string(failure.what()).find(c.message), std::string::npos) << failure.what();
    }
}

TEST(DeckRanges, LayerBottomsMustIncreaseDownwards)
{
    const std::string head = "Layers\n1\n2 1 1 1 1 2 0 0 0 0 0\n3 0 0 0 5 1 4000000\n";
    const std::string sand = "0.0 120 32 0 0 0 0 1 1\n0.0 120 32 0 0 0 0 1 1\n2\n0 0\n";
    struct Case
    {
        std::string deck;
        const char* message;
    } cases[] = {
        {head + "2 10 30 2.5 3\n1 40\n" + sand + "1 40.5\n" + sand, nullptr},
        {head + "2 10 30 2.5 3\n1 40\n" + sand + "1 40\n" + sand,
         "line 11, head record of layer 2, value 2: bottom depth 40 ft is not below the bottom "
         "of layer 1 (40 ft)"},
        {head + "2 10 30 2.5 3\n1 80\n" + sand + "0 20\n",
         "line 11, head record of layer 2, value 2: bottom depth 20 ft is not below the bottom "
         "of layer 1 (80 ft)"},
        {head + "1 10 30 2.5 3\n1 0\n" + sand,
         "line 6, head record of layer 1, value 2: bottom depth 0 ft is not below the ground "
         "surface"},
    };
    for (const Case& c : cases) {
        const RunFailure failure = readFailure(c.deck);
        if (c.message == nullptr) {
            EXPECT_EQ(failure.status(), StatusNormal) << failure.what();
            continue;
        }
        EXPECT_EQ(failure.status(), StatusDeckValueOutOfRange);
        EXPECT_NE(std::string(failure.what()).find(c.message), std::string::npos) << failure.what();
    }
}

// Decks a mutation fuzzer found: each reached a float-to-int conversion that does not fit, an
// overflow to infinity or a run of two minutes before the ranges were checked.
TEST(DeckRanges, DecksOnceFoundByTheFuzzerEndWithTheirMessageAndNoNonFiniteNumber)
{
    const fs::path folder = fs::path(KORVA_TEST_DATA) / "fuzz" / "engine_deck";
    struct Case
    {
        const char* file;
        const char* message;
    } cases[] = {
        {"layer_bottom_1e38_above_80.kv8d",
         "line 6, head record of layer 1, value 2: bottom depth 1e38 ft is outside 0 to 503 ft"},
        {"layer_bottom_not_increasing.kv8d",
         "line 11, head record of layer 2, value 2: bottom depth 40 ft is not below the bottom of "
         "layer 1 (80 ft)"},
        {"bell_modulus_1e38.kv8d",
         "line 4, shaft record, value 7: modulus of the shaft 1e38 lbs/in^2 is outside 1000 to "
         "1e9 lbs/in^2"},
        {"si_undrained_strength_1e38.kv8d",
         "line 7, property record at the top of layer 1, value 4: undrained shear strength 1e38 "
         "kN/m^2 is outside 0 to 48000 kN/m^2"},
        {"diameter_1e38.kv8d",
         "line 4, shaft record, value 1: minimum shaft diameter 1e38 ft is outside 0.1 to 30 ft"},
        {"bell_ratio_1e30.kv8d",
         "line 4, shaft record, value 3: ratio of bell to shaft diameter 1e30 is outside 0 to 10"},
        {"top_portion_1e30.kv8d", "line 4, shaft record, value 5: top portion without side "
                                  "resistance 1e30 ft is outside 0 to 503 ft"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempFolder work{"korva ranges"};
        const fs::path project = work / c.file;
        fs::copy_file(folder / c.file, project);
        const RunFileNames names = runFileNamesForProject(project, kProgramVersionText);
        const RunOutcome outcome = runAnalysis(names);
        EXPECT_EQ(outcome.status, StatusDeckValueOutOfRange);
        EXPECT_NE(outcome.message.find(c.message), std::string::npos) << outcome.message;
        const std::string report = test::readText(names.report);
        EXPECT_NE(report.find(c.message), std::string::npos);
        EXPECT_NE(test::readText(names.runNotes).find(c.message), std::string::npos);
        for (const fs::path& file : fs::directory_iterator(work.path()))
            EXPECT_FALSE(test::containsNonFiniteNumber(test::readText(file))) << file;
    }
}

TEST(DeckRanges, EveryExampleProjectAndTestDeckPassesTheChecks)
{
    // (tests/data/model holds files of the desktop reader's optional layouts, which the
    // engine does not read.)
    std::vector<fs::path> decks;
    for (const fs::path& folder : {fs::path(KORVA_EXAMPLES), fs::path(KORVA_TEST_DATA) / "engine",
                                   fs::path(KORVA_TEST_DATA) / "gui"})
        for (const fs::path& file : fs::directory_iterator(folder))
            if (file.extension() == ".kv8d")
                decks.push_back(file);
    ASSERT_GE(decks.size(), 20u);
    for (const fs::path& deck : decks) {
        const RunFailure failure = readFailure(test::readText(deck));
        EXPECT_NE(failure.status(), StatusDeckValueOutOfRange) << deck << ": " << failure.what();
    }
}

} // namespace
} // namespace korva
