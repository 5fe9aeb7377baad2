// The validation ledger: reading case files, comparing a run with published values, and the
// whole "korva validate" command on ledgers made here.
#include "cli/ValidationLedger.h"
#include "cli/ValidationRun.h"
#include "tests/engine/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korva::cli {
namespace {

using test::TempFolder;
using test::writeText;

// A one-layer clay project of 30 ft with a 3-ft straight shaft: QS and QB by hand are
// 0.55 x pi x 3 x 1000 psf x 25 ft / 2000 = 64.80 tons (top 5 ft ignored) and
// 9 x 0.5 tsf x 7.0686 ft^2 = 31.81 tons.
constexpr const char* ClayProject = "Clay check\r\n1 \r\n2 1 1 1 1 2 0 0 0 0 0\r\n"
                                    "3 0 0 0 5 0 3600000\r\n1 60 30 2.5 3\r\n2 60 \r\n"
                                    "9 120 0.0 1000 0 0 0 1 1 \r\n9 120 0.0 1000 0 0 0 1 1 \r\n"
                                    "0.55 0.55\r\n";

std::string caseText(const std::string& checks)
{
    return "title: Clay check\nsource: a test\nexample: none\nproject: clay.kv8d\n" + checks;
}

LedgerCase writtenCase(const TempFolder& folder, const std::string& checks)
{
    writeText(folder / "clay.kv8d", ClayProject);
    writeText(folder / "clay.txt", caseText(checks));
    return readLedgerCase(folder / "clay.txt");
}

TEST(ValidationLedgerTest, ReadsChecksWithTheirUnitsTolerancesAndContinuedText)
{
    TempFolder folder;
    const LedgerCase c = writtenCase(folder, "check: QS\n  published: 129.6 kips\n"
                                             "  tolerance: 1.5 %\n  reason: first line\n"
                                             "    and its continuation\n"
                                             "check: load at settlement\n  settlement: 12 mm\n"
                                             "  published: 100 kN\n  tolerance: 5 %\n"
                                             "  reason: curves\n  known difference: a reason\n");
    ASSERT_EQ(c.checks.size(), 2u);
    EXPECT_EQ(c.name, "clay");
    EXPECT_EQ(c.checks[0].quantity, LedgerQuantity::SideResistance);
    EXPECT_DOUBLE_EQ(c.checks[0].published, 129.6);
    EXPECT_EQ(c.checks[0].unit, LoadUnit::Kips);
    EXPECT_DOUBLE_EQ(c.checks[0].tolerancePercent, 1.5);
    EXPECT_EQ(c.checks[0].reason, "first line and its continuation");
    EXPECT_TRUE(c.checks[0].knownDifference.empty());
    EXPECT_EQ(c.checks[1].quantity, LedgerQuantity::LoadAtSettlement);
    EXPECT_EQ(c.checks[1].settlementUnit, LengthUnit::Millimetres);
    EXPECT_DOUBLE_EQ(lengthToInches(c.checks[1].settlement, c.checks[1].settlementUnit),
                     12.0 / 25.4);
    EXPECT_EQ(c.checks[1].knownDifference, "a reason");
}

TEST(ValidationLedgerTest, MalformedCaseFilesAreRefusedWithFileAndLine)
{
    struct Bad
    {
        std::string checks;
        std::string message;
    };
    const std::vector<Bad> cases{
        {"check: QX\n  published: 1 tons\n  tolerance: 1 %\n  reason: r\n", "unknown quantity"},
        {"check: QS\n  published: many tons\n  tolerance: 1 %\n  reason: r\n", "needs a number"},
        {"check: QS\n  published: 1 tonnes\n  tolerance: 1 %\n  reason: r\n", "unknown load unit"},
        {"check: QS\n  published: 1 tons\n  tolerance: 1\n  reason: r\n", "percentage"},
        {"check: QS\n  published: 1 tons\n  tolerance: 1 %\n", "no \"reason\""},
        {"check: QS\n  tolerance: 1 %\n  reason: r\n", "no \"published\""},
        {"check: load at settlement\n  published: 1 tons\n  tolerance: 1 %\n  reason: r\n",
         "needs a \"settlement\""},
        {"check: QS\n  published: 1 tons\n  tolerance: 1 %\n  reason: r\ncolour: red\n",
         "unknown entry"},
        {"", "no \"check\""},
    };
    for (const auto& bad : cases) {
        TempFolder folder;
        try {
            writtenCase(folder, bad.checks);
            ADD_FAILURE() << "accepted: " << bad.checks;
        } catch (const LedgerError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(bad.message), std::string::npos) << message;
            EXPECT_NE(message.find("clay.txt"), std::string::npos) << message;
        }
    }
    TempFolder folder;
    writeText(folder / "orphan.txt", caseText("check: QS\n  published: 1 tons\n"
                                              "  tolerance: 1 %\n  reason: r\n"));
    EXPECT_THROW(readLedgerCase(folder / "orphan.txt"), LedgerError); // no clay.kv8d beside it
    EXPECT_THROW(readLedgerCase(folder / "missing.txt"), LedgerError);
}

TEST(ValidationLedgerTest, VerdictsFollowTheToleranceAndTheKnownDifferenceMark)
{
    TempFolder folder;
    // QS by hand 64.80 tons = 129.6 kips; the other figures are off on purpose.
    const LedgerCase c = writtenCase(
        folder, "check: QS\n  published: 129.6 kips\n  tolerance: 1 %\n  reason: exact\n"
                "check: QB\n  published: 40 tons\n  tolerance: 2 %\n  reason: r\n"
                "check: QU\n  published: 120 tons\n  tolerance: 2 %\n  reason: r\n"
                "  known difference: kept on purpose\n"
                "check: QDN\n  published: 36.5 tons\n  tolerance: 2 %\n  reason: r\n"
                "  known difference: no longer different\n"
                "check: load at settlement\n  settlement: 100 in\n  published: 50 tons\n"
                "  tolerance: 5 %\n  reason: r\n");
    const RunOutcome outcome = runLedgerProject(c);
    ASSERT_EQ(outcome.status, 0);
    const auto results = evaluateChecks(c, outcome);
    ASSERT_EQ(results.size(), 5u);
    EXPECT_EQ(results[0].verdict, CheckVerdict::Pass) << results[0].korva;
    EXPECT_EQ(results[0].difference, "0.0");
    EXPECT_EQ(results[1].verdict, CheckVerdict::Fail) << results[1].korva;
    EXPECT_EQ(results[2].verdict, CheckVerdict::Known);
    EXPECT_EQ(results[2].note, "kept on purpose");
    // QDN = 64.80 / 2.5 + 31.81 / 3 = 36.52 tons: within, and the stale mark is pointed out.
    EXPECT_EQ(results[3].verdict, CheckVerdict::Pass) << results[3].korva;
    EXPECT_NE(results[3].note.find("review"), std::string::npos);
    // 100 in lies beyond the computed curve: no value, so the check fails.
    EXPECT_EQ(results[4].verdict, CheckVerdict::Fail);
    EXPECT_EQ(results[4].korva, "-");
    EXPECT_NE(results[4].note.find("beyond the computed curve"), std::string::npos);
}

TEST(ValidationLedgerTest, ARunThatFailsFailsEveryCheckOfItsCase)
{
    TempFolder folder;
    LedgerCase c = writtenCase(folder, "check: QS\n  published: 1 tons\n  tolerance: 1 %\n"
                                       "  reason: r\n  known difference: even so\n");
    writeText(folder / "clay.kv8d", "Broken\n1 \n2 1 x\n");
    const auto results = evaluateChecks(c, runLedgerProject(c));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].verdict, CheckVerdict::Fail);
    EXPECT_NE(results[0].note.find("run status 15"), std::string::npos) << results[0].note;
}

TEST(ValidationLedgerTest, CommandExitsNonZeroOnFailuresMissingLedgersAndUnusableCases)
{
    const std::string pass = "check: QS\n  published: 64.8 tons\n  tolerance: 1 %\n  reason: r\n";
    const std::string known = "check: QB\n  published: 40 tons\n  tolerance: 1 %\n  reason: r\n"
                              "  known difference: on purpose\n";
    const std::string fail = "check: QB\n  published: 40 tons\n  tolerance: 1 %\n  reason: r\n";
    struct Ledger
    {
        std::string checks; // empty: no case file at all
        int exitCode;
        std::string expected;
    };
    const std::vector<Ledger> ledgers{
        {pass + known, 0, "1 pass, 0 fail, 1 known differences"},
        {pass + fail, 1, "1 pass, 1 fail, 0 known differences"},
        {"check: QB\n", 1, "case file not usable"},
        {"", 1, "holds no case file"},
    };
    for (const auto& ledger : ledgers) {
        TempFolder folder;
        if (!ledger.checks.empty()) {
            writeText(folder / "clay.kv8d", ClayProject);
            writeText(folder / "clay.txt", caseText(ledger.checks));
        }
        std::ostringstream out, err;
        EXPECT_EQ(runValidation(folder.path(), std::nullopt, out, err), ledger.exitCode);
        EXPECT_NE((out.str() + err.str()).find(ledger.expected), std::string::npos)
            << out.str() << err.str();
        // The run's files stay in the temporary folder, which is removed: the ledger is
        // left as it was.
        EXPECT_FALSE(std::filesystem::exists(folder / "clay.kv8o"));
    }
    std::ostringstream out, err;
    EXPECT_EQ(runValidation(std::filesystem::path("/no/such/ledger"), std::nullopt, out, err), 1);
    EXPECT_NE(err.str().find("validation ledger not found"), std::string::npos);
}

TEST(ValidationLedgerTest, InstalledLedgerIsLookedForBeforeTheSourceTree)
{
    const auto candidates = ledgerFolderCandidates(std::filesystem::path("/opt/korva/bin"));
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], std::filesystem::path("/opt/korva/share/korva/validation"));
    EXPECT_EQ(candidates[1].filename(), "validation");
    EXPECT_EQ(ledgerFolderCandidates(std::nullopt).size(), 1u);
}

TEST(ValidationLedgerTest, LoadUnitsConvertExactly)
{
    EXPECT_DOUBLE_EQ(tonsToUnit(1.0, LoadUnit::Kips), 2.0);
    EXPECT_DOUBLE_EQ(tonsToUnit(1.0, LoadUnit::Kilonewtons), 8.896443230521);
    EXPECT_DOUBLE_EQ(kilonewtonsToUnit(8.896443230521, LoadUnit::Tons), 1.0);
    EXPECT_DOUBLE_EQ(lengthToInches(1.0, LengthUnit::Metres), 1.0 / 0.0254);
}

} // namespace
} // namespace korva::cli
