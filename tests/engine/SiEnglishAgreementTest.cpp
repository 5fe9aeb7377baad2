// One shaft, one answer: a project and the same project switched to the other unit system by
// the desktop program (its unit switch and its project file writer) give the same final
// length and the same QS, QB and QU. A metre value written from a whole or half foot has to
// come back as that foot value in the engine, or the slice walk, the water table step, the
// tip-averaging zone and the layer-bottom rounding all move by a whole foot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "engine/deck/UnitConversion.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"
#include "gui/controls/UnitCodes.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"

using namespace korva;
using namespace korva::gui;

namespace {

namespace fs = std::filesystem;

// The worked example (sand 0-50 ft, 120 pcf, phi 32 deg, beta estimated) with the control
// record, the shaft record and the site record given.
std::string workedExample(const std::string& control, const std::string& shaft,
                          const std::string& site)
{
    return "Worked example variant\n1 \n" + control + "\n" + shaft + "\n" + site + "\n" +
           "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";
}

struct Variant
{
    std::string name;
    std::string deck; // English project data file
};

void PrintTo(const Variant& v, std::ostream* out)
{
    *out << v.name;
}

// The worked example is shaft D 3 ft, ignored top 5 ft and bottom 1 ft, water at 10 ft,
// length 30 ft; each variant moves one of the values that meet a truncation or a rounding.
std::vector<Variant> variants()
{
    const std::string lengthGiven = "2 1 1 1 1 2 0 0 0 0 0";
    return {
        {"WorkedExample", workedExample(lengthGiven, "3 3 0 0 5 1 4000000", "1 10 30 2.5 3")},
        {"NoIgnoredTopOrBottom",
         workedExample(lengthGiven, "3 3 0 0 0 0 4000000", "1 10 30 2.5 3")},
        {"WaterTableAtTheSurface",
         workedExample(lengthGiven, "3 3 0 0 5 1 4000000", "1 0 30 2.5 3")},
        {"HalfFootIgnoredBottom",
         workedExample(lengthGiven, "3 3 0 0 2.5 0.5 4000000", "1 10 30 2.5 3")},
        {"HalfFootIgnoredBottomAt5Ft",
         workedExample(lengthGiven, "3 3 0 0 2.5 0.5 4000000", "1 10 5 2.5 3")},
        {"DesignLoad",
         workedExample("1 1 1 1 1 2 0 0 0 0 0", "3 4 0 0 5 1 4000000", "1 10 120 2.5 3")},
        {"LayerBottomAtHalfFoot",
         "Sand over sand at 20.5 ft\n1 \n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 4000000\n"
         "2 10 30 2.5 3\n1 20.5 \n0.0 115 30 0 0 0 0 1 1 \n0.0 115 30 0 0 0 0 1 1 \n2 \n"
         "0 0 \n1 50 \n0.0 125 36 0 0 0 0 1 1 \n0.0 125 36 0 0 0 0 1 1 \n2 \n0 0 \n"},
        {"ClayAlphaEstimated",
         "Clay, alpha estimated\n1 \n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 4000000\n"
         "1 10 30 2.5 3\n2 50 \n9 120 0.0 1500 0 0 0 1 1 \n9 120 0.0 3000 0 0 0 1 1 \n"
         "0 0 \n"},
    };
}

// The project as the desktop program saves it after switching to `units` (1 English, 2 SI).
fs::path savedIn(const fs::path& source, int units, const fs::path& target)
{
    TProjectReadResult read = TProgramData::CreateFromFile(source, 1);
    EXPECT_FALSE(read.Failed()) << read.ErrorMessage;
    read.Project->SetUnits(units);
    read.Project->FileName = target.string();
    read.Project->Save();
    return target;
}

RunOutcome analysed(const fs::path& project)
{
    return runAnalysis(runFileNamesForProject(project, kProgramVersionText));
}

// The figures of a case in the engine's working units (ft, tons), taken back from the report
// units with the engine's own output factors.
struct CaseFigures
{
    float diameter_ft;
    float length_ft;
    float qs_tons;
    float qb_tons;
    float qu_tons;
};

CaseFigures figuresOf(const CaseSummary& c, bool si)
{
    const float length = si ? kFeetPerMetre : 1.0f;
    const float force = si ? kTonsPerKilonewton : 1.0f;
    return {c.stemDiameter * length, c.finalRow.length * length, c.finalRow.qs * force,
            c.finalRow.qb * force, c.finalRow.qu * force};
}

// Equal within 0.1 %; a hundredth of a ton absorbs the rounding of a force that is zero.
void expectSameForce(float english, float other, const char* what)
{
    EXPECT_NEAR(other, english, 1.0e-3f * std::fabs(english) + 0.01f) << what;
}

void expectSameResults(const fs::path& english, const fs::path& si)
{
    const RunOutcome e = analysed(english);
    const RunOutcome s = analysed(si);
    ASSERT_FALSE(e.si);
    ASSERT_TRUE(s.si);
    ASSERT_EQ(e.status, StatusNormal) << e.message;
    EXPECT_EQ(s.status, e.status) << s.message;
    ASSERT_FALSE(e.summary.cases.empty());
    ASSERT_EQ(s.summary.cases.size(), e.summary.cases.size());
    for (std::size_t i = 0; i < e.summary.cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i + 1));
        const CaseSummary& ec = e.summary.cases[i];
        const CaseSummary& sc = s.summary.cases[i];
        EXPECT_EQ(sc.reachedFinal, ec.reachedFinal);
        const CaseFigures en = figuresOf(ec, false);
        const CaseFigures other = figuresOf(sc, true);
        EXPECT_NEAR(other.diameter_ft, en.diameter_ft, 1.0e-3f);
        EXPECT_NEAR(other.length_ft, en.length_ft, 1.0e-3f);
        expectSameForce(en.qs_tons, other.qs_tons, "QS");
        expectSameForce(en.qb_tons, other.qb_tons, "QB");
        expectSameForce(en.qu_tons, other.qu_tons, "QU");
    }
}

// The project at `source` saved by the desktop program in each unit system, both analysed.
void expectSameResultsInBothUnits(const test::TempFolder& folder, const fs::path& source)
{
    const fs::path english = savedIn(source, 1, folder / "english.kv8d");
    const fs::path si = savedIn(source, 2, folder / "si.kv8d");
    expectSameResults(english, si);
}

class ExampleInBothUnits : public ::testing::TestWithParam<fs::path>
{
};

class VariantInBothUnits : public ::testing::TestWithParam<Variant>
{
};

std::vector<fs::path> exampleProjects()
{
    std::vector<fs::path> projects;
    for (const fs::directory_entry& entry : fs::directory_iterator(KORVA_EXAMPLES))
        if (entry.path().extension() == ".kv8d")
            projects.push_back(entry.path());
    std::sort(projects.begin(), projects.end());
    return projects;
}

std::string testName(std::string name)
{
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

} // namespace

// An English example is switched to SI; an SI example to English and compared the other way.
TEST_P(ExampleInBothUnits, SameLengthAndCapacities)
{
    test::TempFolder folder{"korva si english"};
    const fs::path source = folder / "source.kv8d";
    fs::copy_file(GetParam(), source);
    expectSameResultsInBothUnits(folder, source);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleInBothUnits, ::testing::ValuesIn(exampleProjects()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             return testName(info.param.stem().string());
                         });

TEST_P(VariantInBothUnits, SameLengthAndCapacities)
{
    test::TempFolder folder{"korva si english"};
    const fs::path source = folder / "source.kv8d";
    test::writeText(source, GetParam().deck);
    expectSameResultsInBothUnits(folder, source);
}

INSTANTIATE_TEST_SUITE_P(WorkedExample, VariantInBothUnits, ::testing::ValuesIn(variants()),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                             return info.param.name;
                         });

// The values at which the analysis truncates, rounds or branches, each written in SI as the
// desktop program writes it (its factor, eight significant digits), come back in the engine
// as the English value bit for bit.
TEST(SiInputConversion, ValuesWrittenFromEnglishComeBackBitForBit)
{
    struct Case
    {
        double english;
        const char* unitCode; // the desktop program's unit code of the value
        SiInput quantity;
    };
    const Case cases[] = {
        // Lengths: half and whole feet of the walk, the water table, the ignored portions,
        // the layer bottoms; 420 ft lies at the 128-m step of single precision, 503 ft is the
        // deepest tabulated length.
        {0.5, "L2", SiInput::Length},
        {2.5, "L2", SiInput::Length},
        {5.0, "L2", SiInput::Length},
        {10.0, "L2", SiInput::Length},
        {20.5, "L2", SiInput::Length},
        {30.0, "L2", SiInput::Length},
        {49.9, "L2", SiInput::Length},
        {420.0, "L2", SiInput::Length},
        {503.0, "L2", SiInput::Length},
        // Unit weights: the 50-pcf test of missing data and common soils.
        {50.0, "F/L2^3", SiInput::UnitWeight},
        {120.0, "F/L2^3", SiInput::UnitWeight},
        {125.0, "F/L2^3", SiInput::UnitWeight},
        // Stresses: the clay bearing-factor steps (500, 1000, 2000 psf), alpha and the
        // high-strength note at 2.5 atmospheres (5292 psf), the strong-rock square-root rule
        // (280 psi) and end-bearing strength (1000 psi), a very strong rock.
        {500.0, "F/L2^2", SiInput::Stress},
        {1000.0, "F/L2^2", SiInput::Stress},
        {2000.0, "F/L2^2", SiInput::Stress},
        {5292.0, "F/L2^2", SiInput::Stress},
        {40320.0, "F/L2^2", SiInput::Stress},
        {144000.0, "F/L2^2", SiInput::Stress},
        {2880000.0, "F/L2^2", SiInput::Stress},
        // Design loads, which the capacity must exceed.
        {100.0, "F2", SiInput::Force},
        {150.0, "F2", SiInput::Force},
        {1234.5, "F2", SiInput::Force},
    };
    for (const Case& c : cases) {
        const long double si =
            c.english * UnitCodes::ConversionFactor(c.unitCode, UnitCodes::English, UnitCodes::SI);
        const std::string text = GeneralNumberText(si, 8);
        float read = 0.0f;
        std::from_chars(text.data(), text.data() + text.size(), read);
        EXPECT_EQ(workingValueOfSiInput(read, c.quantity), static_cast<float>(c.english))
            << c.english << " " << c.unitCode << " written as " << text;
    }
}

TEST(SiInputConversion, ExactDefinitionsSnappedToTheirGrid)
{
    // 1 m = 3.280839895 ft: a ten-thousandth of a foot.
    EXPECT_EQ(workingValueOfSiInput(1.0f, SiInput::Length), 3.2808f);
    EXPECT_EQ(workingValueOfSiInput(12.0f, SiInput::Length), 39.3701f);
    EXPECT_EQ(workingValueOfSiInput(-3.0f, SiInput::Length), -9.8425f);
    EXPECT_EQ(workingValueOfSiInput(0.0f, SiInput::Length), 0.0f);
    // 1 kN/m^3 = 6.3658800 pcf, 1 kN/m^2 = 20.885434 psf, 1 kN = 0.11240447 tons: six digits.
    EXPECT_EQ(workingValueOfSiInput(1.0f, SiInput::UnitWeight), 6.36588f);
    EXPECT_EQ(workingValueOfSiInput(100.0f, SiInput::Stress), 2088.54f);
    EXPECT_EQ(workingValueOfSiInput(1.0e5f, SiInput::Stress), 2088540.0f);
    EXPECT_EQ(workingValueOfSiInput(1000.0f, SiInput::Force), 112.404f);
    // Beyond single precision: infinity of the value's sign, as the product in float gave.
    const float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(workingValueOfSiInput(largest, SiInput::Length),
              std::numeric_limits<float>::infinity());
    EXPECT_EQ(workingValueOfSiInput(-largest, SiInput::Stress),
              -std::numeric_limits<float>::infinity());
}
