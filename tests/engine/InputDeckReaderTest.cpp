#include "engine/deck/InputDeckReader.h"
#include "engine/deck/UnitConversion.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korva {
namespace {

struct ReadResult
{
    InputDeck deck;
    std::string report;
    std::string runNotes;
    std::string tzReport;
};

ReadResult readDeck(const std::string& text)
{
    std::istringstream in(text);
    DeckRecordReader reader(in, "deck.kv8d");
    std::ostringstream report, runNotes, tzReport;
    ReadResult result;
    readInputDeck(reader, DeckEchoTargets{report, runNotes, tzReport}, result.deck);
    result.report = report.str();
    result.runNotes = runNotes.str();
    result.tzReport = tzReport.str();
    return result;
}

RunFailure readFailure(const std::string& text)
{
    try {
        readDeck(text);
    } catch (const RunFailure& failure) {
        return failure;
    }
    return RunFailure(StatusNormal, "no failure");
}

// Title, units, control, shaft and site records; the layers follow.
std::string head(const std::string& units, const std::string& control, const std::string& shaft,
                 const std::string& site)
{
    return "Deck\n" + units + "\n" + control + "\n" + shaft + "\n" + site + "\n";
}

const std::string SandLayer50 =
    "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";
// The same sand in an SI deck: 50 m deep, 19 kN/m^3.
const std::string SiSandLayer50 =
    "1 50 \n0.0 19 32 0 0 0 0 1 1 \n0.0 19 32 0 0 0 0 1 1 \n2 \n0 0 \n";

TEST(InputDeckReader, WorkedExampleFromTheExamplesFolder)
{
    const ReadResult r = readDeck(test::readText(std::string(KORVA_EXAMPLES) + "/Example.kv8d"));
    const InputDeck& d = r.deck;
    EXPECT_EQ(d.title, "Example" + std::string(65, ' '));
    EXPECT_EQ(d.unitText, "EN");
    EXPECT_EQ(d.METHOD, 2);
    EXPECT_EQ(d.KCYCL, 1);
    EXPECT_EQ(d.RCYCL, 1.0f);
    EXPECT_EQ(d.PINC, 1.0f);
    EXPECT_EQ(d.IMOD, 1);
    EXPECT_EQ(d.NLRFD, 2);
    EXPECT_EQ(d.IPENT + d.IChart + d.UseElevation + d.PrintTZCurves, 0);
    EXPECT_EQ(d.DSTART, 3.0f);
    EXPECT_EQ(d.DIALIM, 3.0f);
    EXPECT_EQ(d.RATIO, 0.0f);
    EXPECT_EQ(d.TOPLEN, 5.0f);
    EXPECT_EQ(d.BS, 1.0f);
    EXPECT_EQ(d.Ec, 4000000.0f);
    EXPECT_EQ(d.NL, 1);
    EXPECT_EQ(d.WTD, 10.0f);
    EXPECT_EQ(d.designValue, 30.0f);
    EXPECT_EQ(d.PD, 30.0f);
    EXPECT_EQ(d.FST, 2.5f);
    EXPECT_EQ(d.FSB, 3.0f);
    const SoilLayer& sand = d.layers[0];
    EXPECT_EQ(sand.kindCode(), MaterialKind::Sand);
    EXPECT_EQ(sand.topDepth, 0.0f);
    EXPECT_EQ(sand.bottomDepth, 50.0f);
    EXPECT_EQ(sand.GAMMA.top, 120.0f);
    EXPECT_EQ(sand.PHI.bottom, 32.0f);
    EXPECT_EQ(sand.sandPhi.top, 32.0f);
    EXPECT_EQ(sand.interfaceAngle.top, 32.0f); // none given: the friction angle
    EXPECT_EQ(sand.TRANLM.top, kNoLimit);
    EXPECT_EQ(sand.maxEndBearing.bottom, kNoLimit);
    EXPECT_EQ(sand.phiS, 1.0f);
    EXPECT_EQ(sand.sandMethod, 2.0f);
    EXPECT_EQ(sand.beta.top, 0.0f);
    EXPECT_EQ(d.layers[1].kind, 0.0f);

    EXPECT_NE(r.report.find("     Example  "), std::string::npos);
    EXPECT_NE(r.report.find("     PROPOSED DEPTH =      30.0 FT\n     ----------------\n"),
              std::string::npos);
    EXPECT_NE(r.report.find("     NUMBER OF LAYERS =    1\n"), std::string::npos);
    EXPECT_NE(r.report.find("     WATER TABLE DEPTH =      10.0 FT.\n"), std::string::npos);
    EXPECT_EQ(r.report.find("UPLIFT"), std::string::npos);
    EXPECT_EQ(r.tzReport, "     Example" + std::string(65, ' ') + "\n");
    EXPECT_EQ(r.runNotes, "");
}

TEST(InputDeckReader, TitleIsCutTo72CharactersAndUnitSystemOtherThan2IsEnglish)
{
    const std::string title80(80, 'T');
    std::string text =
        head("3 ", "2 2 0.8 1 1 2 0 0 0 0 0", "3 3 0 0 5 1 4000000", "1 10 30 2.5 3") + SandLayer50;
    text.replace(0, 4, title80);
    const ReadResult r = readDeck(text);
    EXPECT_EQ(r.deck.title, std::string(72, 'T'));
    EXPECT_EQ(r.deck.unitText, "EN");
    EXPECT_NE(r.report.find("     " + std::string(72, 'T') + "\n"), std::string::npos);
    EXPECT_NE(r.report.find("     REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION = 0.800\n"),
              std::string::npos);
}

TEST(InputDeckReader, MultipleLengthAndDesignChartDefaults)
{
    // PDMIN 0 with design value 40, DSTART 3, TOPLEN 5, BS 1: max(28, 24) = 28, step 3.
    ReadResult r =
        readDeck(head("1", "2 1 1 1 1 2 1 0 0 0 0", "3 3 0 0 5 1 4000000", "1 10 40 2.5 3") +
                 "0 0\n" + SandLayer50);
    EXPECT_FLOAT_EQ(r.deck.PDMIN, 28.0f);
    EXPECT_EQ(r.deck.PDINCR, 3.0f);

    // A short minimum is raised to six diameters plus the ignored portions.
    r = readDeck(head("1", "2 1 1 1 1 2 1 0 0 0 0", "3 3 0 0 5 1 4000000", "1 10 20 2.5 3") +
                 "10 2\n" + SandLayer50);
    EXPECT_EQ(r.deck.PDMIN, 24.0f);
    EXPECT_EQ(r.deck.PDINCR, 2.0f);

    // Design chart in SI: diameter step 0.15 m (0.4921 ft), length step 1 m, PDMIN 0.3 x PD.
    r = readDeck(head("2", "2 1 1 1 1 1 0 1 0 0 0", "0.5 1 0 0 0 0 27600000", "1 3 40 1 1") +
                 "0 0 0 3\n0.01 0.02 0.03 \n" + SiSandLayer50);
    EXPECT_EQ(r.deck.NPOINTPD, 3);
    EXPECT_FLOAT_EQ(r.deck.PDSETT[2], 0.03f);
    EXPECT_EQ(r.deck.DIAMINCR, 0.4921f);
    EXPECT_EQ(r.deck.PDINCR, 3.2808f);
    EXPECT_EQ(r.deck.PDMIN, 39.3701f);

    // No settlements: record 8 is the empty line the desktop program writes.
    r = readDeck(head("1", "2 1 1 1 1 1 0 1 0 0 0", "3 3 0 0 5 1 4000000", "1 10 40 1 1") +
                 "0 0 0 0\n\n" + SandLayer50);
    EXPECT_EQ(r.deck.NPOINTPD, 0);
    EXPECT_EQ(r.deck.DIAMINCR, 0.5f);
    EXPECT_EQ(r.deck.layers[0].bottomDepth, 50.0f);
}

TEST(InputDeckReader, LayerKindsFillTheirQuantitiesAndKindZeroHasAHeadRecordOnly)
{
    const std::string layers =
        "0 5\n" // kind 0: head only
        "2.0 20\n9 110 0.0 1000 8 0.5 0 0.7 0.6\n9 115 0.0 1500 9 0.5 0 0.8 0.65\n0.55 0.45\n"
        "7 30\n5000 4000 1 0.01 3 0 2000000 80 0 0.5 0.4\n6000 4000 1 0.01 3 0 2500000 90 0 0.55 "
        "0.45\n"
        "6 40\n3000 2 6 30 3 0 1000000 70 0 1 1\n3500 3 6 30 3 0 1100000 75 0 1 1\n"
        "5 45\n130 40 0.3 50000 3 0 0 1 1\n135 45 0.3 60000 3 0 0 1 1\n"
        "9 60\n135 30 0.8 0 0 1 1\n140 60 0.9 0 0 1 1\n"
        "1 70\n0.0 120 32 0 15 1500 0 1 1\n0.0 120 34 30 20 1500 0 1 1\n3\n0.8 0.9\n";
    const ReadResult r = readDeck(
        head("1", "1 1 1 1 1 1 0 0 0 0 0", "3 3 0 0 5 1 4000000", "7 10 300 1 1") + layers);
    const auto& L = r.deck.layers;
    EXPECT_EQ(L[0].kindCode(), MaterialKind::None);
    EXPECT_EQ(L[0].bottomDepth, 5.0f);
    EXPECT_NE(r.report.find("LAYER NO  1 HAS THE KIND CODE      0.00"), std::string::npos);
    EXPECT_NE(r.runNotes.find("LAYER NO  1 HAS THE KIND CODE"), std::string::npos);

    EXPECT_EQ(L[1].kindCode(), MaterialKind::Clay);
    EXPECT_EQ(L[1].topDepth, 5.0f);
    EXPECT_EQ(L[1].CU.bottom, 1500.0f);
    EXPECT_EQ(L[1].clayNc.top, 9.0f);
    EXPECT_EQ(L[1].alpha.bottom, 0.45f);
    EXPECT_EQ(L[1].TRANLM.top, 0.5f); // a small limit is a limit
    EXPECT_EQ(L[1].phiS, 0.8f);       // the bottom record's factors
    EXPECT_EQ(L[1].phiB, 0.65f);

    EXPECT_EQ(L[2].kindCode(), MaterialKind::StrongRockSideAndBase);
    EXPECT_EQ(L[2].QUR.bottom, 6000.0f);
    EXPECT_EQ(L[2].QUCON.top, 4000.0f);
    EXPECT_EQ(L[2].DISCT.top, 0.01f);
    EXPECT_EQ(L[2].EL.bottom, 2500000.0f);
    EXPECT_EQ(L[2].RQD.top, 80.0f);
    EXPECT_EQ(L[2].phiB, 0.45f);

    EXPECT_EQ(L[3].kindCode(), MaterialKind::WeakRock);
    EXPECT_EQ(L[3].interfaceCondition.bottom, 3.0f);
    EXPECT_EQ(L[3].slump.top, 6.0f);
    EXPECT_EQ(L[3].interfaceFrictionAngle.top, 30.0f);

    EXPECT_EQ(L[4].kindCode(), MaterialKind::DecomposedRock);
    EXPECT_EQ(L[4].poissonRatio.top, 0.3f);
    EXPECT_EQ(L[4].EL.bottom, 60000.0f);
    EXPECT_EQ(L[4].BLOWS.bottom, 45.0f);

    EXPECT_EQ(L[5].kindCode(), MaterialKind::Gravel);
    EXPECT_EQ(L[5].beta.bottom, 0.9f);

    // Interface angles 0 at the top and 30 at the bottom are kept; method 3 stores m.
    EXPECT_EQ(L[6].kindCode(), MaterialKind::Sand);
    EXPECT_EQ(L[6].interfaceAngle.top, 0.0f);
    EXPECT_EQ(L[6].interfaceAngle.bottom, 30.0f);
    EXPECT_EQ(L[6].m.bottom, 0.9f);
    EXPECT_EQ(L[6].beta.bottom, 0.0f);
    EXPECT_EQ(L[6].TRANLM.top, 1500.0f);
}

TEST(InputDeckReader, SiInputIsConvertedToWorkingUnitsByTheExactDefinitions)
{
    const std::string text =
        head("2", "2 1 1 1 1 1 1 0 0 0 1", "1 1.2 1 0 1.5 1 27600000", "2 3 12 1 1") +
        "9 2\n" // PDMIN, PDINCR (above 6 x 1 + 1.5 + 1)
        "2 8\n9 19 0.0 100 10 50 900 0.45 0.4\n9 19.5 0.0 150 15 50 900 0.45 0.4\n0.55 0.5\n"
        "4 20\n5000 30000 0.5 0.01 1 0 2000000 80 0 0.5 0.4\n5000 30000 0.5 0.01 1 0 2000000 80 0 "
        "0.5 0.4\n"
        "2\n4\n6.5\n";
    const ReadResult r = readDeck(text);
    const InputDeck& d = r.deck;
    EXPECT_EQ(d.unitText, "SI");
    // 1 ft = 0.3048 m and 1 lbf = 4.4482216152605 N exactly; lengths to the nearest 0.0001 ft,
    // unit weights and stresses to six significant digits.
    EXPECT_EQ(d.DSTART, 3.2808f);
    EXPECT_EQ(d.DIALIM, 3.937f);
    EXPECT_EQ(d.TOPLEN, 4.9213f);
    EXPECT_EQ(d.WTD, 9.8425f);
    EXPECT_EQ(d.PD, 39.3701f);
    EXPECT_EQ(d.designValue, 39.3701f);
    EXPECT_EQ(d.PDMIN, 29.5276f);
    EXPECT_EQ(d.PDINCR, 6.5617f);
    EXPECT_EQ(d.Ec, 27600000.0f); // moduli stay as read
    EXPECT_EQ(d.RATIO, 0.0f);     // a ratio of 1 is a straight shaft
    ASSERT_EQ(d.tzDepths.size(), 2u);
    EXPECT_EQ(d.tzDepths[1], 21.3255f);
    const SoilLayer& clay = d.layers[0];
    EXPECT_EQ(clay.bottomDepth, 26.2467f);
    EXPECT_EQ(clay.GAMMA.top, 120.952f);
    EXPECT_EQ(clay.CU.top, 2088.54f);
    EXPECT_EQ(clay.CU.bottom, 3132.82f);
    EXPECT_EQ(clay.TRANLM.top, 1044.27f);
    EXPECT_EQ(clay.maxEndBearing.top, 18796.9f);
    EXPECT_EQ(clay.NC.top, 9.0f);
    const SoilLayer& rock = d.layers[1];
    EXPECT_EQ(rock.topDepth, 26.2467f);
    EXPECT_EQ(rock.QUR.top, 104427.0f);
    EXPECT_EQ(rock.QUCON.top, 626563.0f);
    EXPECT_EQ(rock.CS.top, 1.6404f);
    EXPECT_EQ(rock.DISCT.top, 0.0328f);
    EXPECT_EQ(rock.BDS.top, 3.2808f);
    EXPECT_EQ(rock.EL.top, 2000000.0f);
    EXPECT_EQ(rock.RQD.top, 80.0f);
    EXPECT_GE(rock.TRANLM.top, kNoLimit); // no limit stays no limit

    // The echo shows the values as read, in SI words.
    EXPECT_NE(r.report.find("     PROPOSED DEPTH =      12.0 M\n"), std::string::npos);
    EXPECT_NE(r.report.find("     WATER TABLE DEPTH =       3.0 M\n"), std::string::npos);

    // A design load in kN becomes tons.
    const ReadResult load =
        readDeck(head("2", "1 1 1 1 1 1 0 0 0 0 0", "1 1 0 0 1.5 1 27600000", "1 3 2000 1 1") +
                 SiSandLayer50);
    EXPECT_EQ(load.deck.designValue, 224.809f);
    EXPECT_EQ(load.deck.PD, 0.0f);
    EXPECT_NE(load.report.find("     TOTAL LOAD =    2000.0 KN\n"), std::string::npos);
}

TEST(InputDeckReader, ShaftLongerThanProfileWarnsAndGoesOn)
{
    const ReadResult r = readDeck(
        head("1", "2 1 1 1 1 2 0 0 0 0 0", "3 0 0 0 5 1 4000000", "1 10 60 2.5 3") + SandLayer50);
    const std::string warning = "\n     *********************WARNING**********************\n"
                                "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER\n"
                                "     THAN THE TIP OF DRILLED SHAFTS\n\n";
    EXPECT_NE(r.report.find(warning), std::string::npos);
    EXPECT_EQ(r.runNotes, warning);
    EXPECT_EQ(r.deck.DIALIM, 3.0f); // a maximum diameter of 0 means one diameter

    const ReadResult fits = readDeck(
        head("1", "2 1 1 1 1 2 0 0 0 0 0", "3 0 0 0 5 1 4000000", "1 10 50 2.5 3") + SandLayer50);
    EXPECT_EQ(fits.report.find("WARNING"), std::string::npos);
}

TEST(InputDeckReader, CountsOutsideTheEngineTablesAndTruncatedFilesAreRunFailures)
{
    const std::string control = "2 1 1 1 1 2 0 0 0 0 0";
    const std::string shaft = "3 3 0 0 5 1 4000000";
    struct Case
    {
        std::string text;
        int32_t status;
        const char* messagePart;
    };
    const Case cases[] = {
        {head("1", control, shaft, "50 10 30 2.5 3"), StatusDeckCountOutOfRange, "50 layers"},
        {head("1", control, shaft, "-1 10 30 2.5 3"), StatusDeckCountOutOfRange, "-1 layers"},
        {head("1", "2 1 1 1 1 2 0 1 0 0 0", shaft, "1 10 30 2.5 3") + "0 0 0 11\n",
         StatusDeckCountOutOfRange, "11 settlements"},
        {head("1", control, shaft, "2 10 30 2.5 3") + SandLayer50, StatusDeckFormatError,
         "ends at line 10 inside the head record of layer 2"},
        {head("1", control, shaft, "1 10 30 2.5 3") + "1 50\n0.0 120 32 0 x 0 0 1 1\n",
         StatusDeckFormatError, "line 7, property record at the top of layer 1, value 5: \"x\""},
        {head("1", control, shaft, "1.5 10 30 2.5 3"), StatusDeckFormatError,
         "line 5, site record, value 1: \"1.5\" is not an integer"},
        {"", StatusDeckFormatError, "ends before the title"},
    };
    for (const auto& c : cases) {
        const RunFailure failure = readFailure(c.text);
        EXPECT_EQ(failure.status(), c.status) << c.text;
        EXPECT_NE(std::string(failure.what()).find(c.messagePart), std::string::npos)
            << failure.what();
    }
}

} // namespace
} // namespace korva
