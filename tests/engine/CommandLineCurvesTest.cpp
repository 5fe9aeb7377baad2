// The JSON document of korva run carries the load-settlement curves and design-chart values.
#include "cli/CommandLine.h"

#include "NonFiniteText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace korva;

namespace {

std::string runJson(const std::string& deck)
{
    test::TempFolder folder{"korva cli curves"};
    const auto project = folder / "shaft.kv8d";
    test::writeText(project, deck);
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCommandLine({"run", "--json", project.string()}, out, err), 0) << err.str();
    return out.str();
}

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

const std::string Sand = "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";

} // namespace

TEST(CommandLineCurves, SoilTipCasesCarryThreeCurvesOfFifteenPoints)
{
    const std::string json = runJson("Two diameters\n1 \n2 1 1 1 1 2 0 0 0 0 0\n"
                                     "3 3.5 0 0 5 1 4000000\n1 10 30 2.5 3\n" +
                                     Sand);
    EXPECT_NE(json.find(", \"loadSettlement\": [{\"case\": 1, \"trend\": [["), std::string::npos);
    EXPECT_EQ(count(json, "\"upperBound\": [["), 2u);
    EXPECT_EQ(count(json, "\"lowerBound\": [["), 2u);
    EXPECT_EQ(json.find("designChart"), std::string::npos);
    EXPECT_FALSE(test::containsNonFiniteNumber(json));
    EXPECT_EQ(json.substr(json.size() - 3), "]}\n");
}

TEST(CommandLineCurves, DesignChartRunCarriesTheChartValues)
{
    const std::string json = runJson("Chart\n1 \n2 1 1 1 1 2 0 1 0 0 0\n3 3.5 0 0 0 0 4000000\n"
                                     "1 10 30 2.5 3\n24 3 0.5 2\n0.5 1.0\n" +
                                     Sand);
    EXPECT_NE(json.find(", \"designChart\": {\"settlements\": [0.5, 1], \"diameters\": [3, 3.5], "
                        "\"lengths\": [30, 27, 24], \"loads\": [[["),
              std::string::npos)
        << json.substr(json.find("designChart"), 200);
}
