#include "gui/model/ProjectFile.h"
#include "gui/model/InOutError.h"

#include "gui/model/InOutError.h"
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

using namespace korva::gui;

namespace fs = std::filesystem;

namespace {

const fs::path DataFolder = fs::path(KORVA_TEST_DATA) / "model";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Lines given with "\n" as they appear in a file written by the program (CR LF).
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

int WordCount(const std::string& line)
{
    std::istringstream words(line);
    int count = 0;
    for (std::string word; words >> word;)
        ++count;
    return count;
}

class ProjectFileTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("korva-project-file-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    // Reads text (CR LF added) as a current-layout file.
    TProjectReadResult ReadText(const std::string& text, int filter = 1)
    {
        const fs::path path = folder / "input.kv8d";
        WriteBytes(path, WithCrLf(text));
        return TProgramData::CreateFromFile(path, filter);
    }

    fs::path folder;
};

// The worked example: an English project with one sand layer and the beta method.
std::unique_ptr<TProgramData> WorkedExample()
{
    auto project = TProgramData::Create();
    TProgramData& p = *project;
    p.Title = "Example";
    p.PD = 30;
    p.DSTART = 3;
    p.DIALIM = 3;
    p.TOPLENG = 5;
    p.BS = 1;
    p.EPILE = 4000000;
    p.WTD = 10;
    TGridTable& layers = p.D();
    layers.SetFloatValue(LayerColumn::Depth, 0, 50);
    TGridTable& sand = *p.LayerProperties(0);
    for (int row : {TopRow, BottomRow}) {
        sand.SetFloatValue(SandColumn::UnitWeight, row, 120);
        sand.SetFloatValue(SandColumn::FrictionAngle, row, 32);
        sand.SetIntValue(SandColumn::Method, row, SandBetaMethod);
    }
    return project;
}

TEST_F(ProjectFileTest, WorkedExampleIsWrittenByteForByte)
{
    auto project = WorkedExample();
    project->FileName = (folder / "Example.kv8d").string();
    project->SetDataChanged(true);
    project->Save();
    EXPECT_FALSE(project->GetDataChanged());
    EXPECT_EQ(ReadBytes(project->FileName), ReadBytes(DataFolder / "Example.kv8d"));
    EXPECT_EQ(project->LPD, 0.0L);
    EXPECT_EQ(project->METHOD, 2);
}

TEST_F(ProjectFileTest, WorkedExampleReadsBackToTheSameProject)
{
    TProjectReadResult read = TProgramData::CreateFromFile(DataFolder / "Example.kv8d", 1);
    ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
    const TProgramData& p = *read.Project;
    EXPECT_EQ(p.Title, "Example");
    EXPECT_EQ(p.Units(), 1);
    EXPECT_EQ(p.METHOD, 2);
    EXPECT_EQ(p.KCYCL, 1);
    EXPECT_EQ(p.NLRFD, 2);
    EXPECT_EQ(p.PD, 30.0L);
    EXPECT_EQ(p.DSTART, 3.0L);
    EXPECT_EQ(p.EPILE, 4000000.0L);
    EXPECT_EQ(p.WTD, 10.0L);
    EXPECT_EQ(p.FST, 2.5L);
    EXPECT_EQ(p.FSB, 3.0L);
    EXPECT_EQ(p.Yesnewversion, 1);
    // Fields the file does not hold stay 0; the settlements get their defaults.
    EXPECT_EQ(p.NPOINTPD, 0);
    EXPECT_EQ(p.ID2, 0);
    EXPECT_EQ(p.PDSETT[0], 0.1L);
    ASSERT_EQ(p.D().RowCount(), 1);
    EXPECT_EQ(p.D().GetFloatValue(LayerColumn::Depth, 0), 50.0L);
    const TGridTable* sand = p.LayerProperties(0);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->GetFloatValue(SandColumn::UnitWeight, BottomRow), 120.0L);
    EXPECT_EQ(sand->GetIntValue(SandColumn::Method, TopRow), SandBetaMethod);
    EXPECT_EQ(p.TblTZDepth().RowCount(), 1);
    EXPECT_FALSE(p.GetDataChanged());

    // Saved again it gives the same bytes.
    read.Project->FileName = (folder / "again.kv8d").string();
    read.Project->Save();
    EXPECT_EQ(ReadBytes(folder / "again.kv8d"), ReadBytes(DataFolder / "Example.kv8d"));
}

TEST_F(ProjectFileTest, EveryKindReadsIntoItsColumns)
{
    TProjectReadResult read = TProgramData::CreateFromFile(DataFolder / "AllKinds.kv8d", 1);
    ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
    const TProgramData& p = *read.Project;
    EXPECT_EQ(p.NLRFD, 1);
    EXPECT_EQ(p.IChart, 1);
    EXPECT_EQ(p.UseElevation, 1);
    EXPECT_EQ(p.ValElevation, 100.0L);
    EXPECT_EQ(p.PrintTZCurves, 1);
    EXPECT_EQ(p.DIAMINCR, 0.5L);
    ASSERT_EQ(p.NPOINTPD, 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.PDSETT[2]), 0.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.PDSETT[3]), 0.75); // default beyond NPOINTPD
    const TGridTable& d = p.D();
    ASSERT_EQ(d.RowCount(), 9);

    auto real = [&](int layer, int column, int row) {
        return static_cast<double>(p.LayerProperties(layer)->GetFloatValue(column, row));
    };
    auto integer = [&](int layer, int column, int row) {
        return p.LayerProperties(layer)->GetIntValue(column, row);
    };
    auto layerValue = [&](int layer, int column) {
        return static_cast<double>(d.GetFloatValue(column, layer));
    };
    // Sand: the second reading of the limits wins; beta method coefficients.
    EXPECT_DOUBLE_EQ(real(0, SandColumn::UnitWeight, BottomRow), 115);
    EXPECT_DOUBLE_EQ(real(0, SandColumn::FrictionAngle, TopRow), 30);
    EXPECT_DOUBLE_EQ(real(0, SandColumn::InterfaceAngle, BottomRow), 16);
    EXPECT_EQ(integer(0, SandColumn::BlowCounts, TopRow), 10);
    EXPECT_DOUBLE_EQ(layerValue(0, LayerColumn::MaxSideFriction), 1100);
    EXPECT_DOUBLE_EQ(layerValue(0, LayerColumn::MaxEndBearing), 21000);
    EXPECT_DOUBLE_EQ(layerValue(0, LayerColumn::PhiSide), 0.55);
    EXPECT_EQ(integer(0, SandColumn::Method, TopRow), SandBetaMethod);
    EXPECT_DOUBLE_EQ(real(0, SandColumn::Beta, TopRow), 0.3);
    EXPECT_DOUBLE_EQ(real(0, SandColumn::Beta, BottomRow), 0.4);
    EXPECT_DOUBLE_EQ(real(0, SandColumn::Ko, TopRow), 0);
    // Clay: Nc first, cohesion fourth, alpha record.
    EXPECT_DOUBLE_EQ(real(1, ClayColumn::Nc, TopRow), 9);
    EXPECT_DOUBLE_EQ(real(1, ClayColumn::Nc, BottomRow), 9.5);
    EXPECT_DOUBLE_EQ(real(1, ClayColumn::Cohesion, BottomRow), 1600);
    EXPECT_EQ(integer(1, ClayColumn::BlowCounts, BottomRow), 9);
    EXPECT_DOUBLE_EQ(real(1, ClayColumn::Alpha, BottomRow), 0.5);
    EXPECT_DOUBLE_EQ(layerValue(1, LayerColumn::PhiBase), 0.4);
    // Shale without LRFD factors keeps them at 1.
    EXPECT_DOUBLE_EQ(layerValue(2, LayerColumn::PhiSide), 1);
    EXPECT_DOUBLE_EQ(real(2, ClayColumn::Alpha, TopRow), 0.6);
    // Strong rock: qs sixth, modulus seventh, RQD eighth, qb ninth.
    EXPECT_DOUBLE_EQ(real(3, StrongRockColumn::DiscontinuityThickness, TopRow), 0.01);
    EXPECT_DOUBLE_EQ(real(3, StrongRockColumn::ElasticModulus, BottomRow), 710000);
    EXPECT_DOUBLE_EQ(real(3, StrongRockColumn::RQD, BottomRow), 81);
    EXPECT_DOUBLE_EQ(layerValue(3, LayerColumn::MaxSideFriction), 5100);
    EXPECT_DOUBLE_EQ(layerValue(3, LayerColumn::MaxEndBearing), 61000);
    // Decomposed rock.
    EXPECT_EQ(integer(4, DecomposedRockColumn::BlowCounts, BottomRow), 51);
    EXPECT_DOUBLE_EQ(real(4, DecomposedRockColumn::YoungsModulus, TopRow), 30000);
    EXPECT_DOUBLE_EQ(real(4, DecomposedRockColumn::SocketDiameter, BottomRow), 3.1);
    // Weak rock: interface condition index per row.
    EXPECT_EQ(integer(5, WeakRockColumn::InterfaceCondition, TopRow), 2);
    EXPECT_EQ(integer(5, WeakRockColumn::InterfaceCondition, BottomRow), 3);
    EXPECT_DOUBLE_EQ(real(5, WeakRockColumn::ConcreteSlump, BottomRow), 1.6);
    EXPECT_DOUBLE_EQ(real(5, WeakRockColumn::ElasticModulus, TopRow), 400000);
    // Strong rock (both) written without factors.
    EXPECT_DOUBLE_EQ(layerValue(6, LayerColumn::PhiBase), 1);
    EXPECT_DOUBLE_EQ(real(6, StrongRockColumn::CompressiveStrength, BottomRow), 310000);
    // Gravels.
    EXPECT_EQ(integer(7, GravelColumn::BlowCounts, TopRow), 40);
    EXPECT_DOUBLE_EQ(real(8, GravelColumn::Beta, BottomRow), 1.2);
    EXPECT_DOUBLE_EQ(layerValue(8, LayerColumn::PhiSide), 1);
    EXPECT_DOUBLE_EQ(layerValue(8, LayerColumn::Depth), 45);
    // Additional t-z depths.
    ASSERT_EQ(p.TblTZDepth().RowCount(), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.TblTZDepth().GetFloatValue(0, 1)), 30);

    // Written back, read again and written once more: the same bytes, with a rock layer
    // clearing ID2 and the factors always present.
    read.Project->ID2 = 1;
    read.Project->FileName = (folder / "first.kv8d").string();
    read.Project->Save();
    EXPECT_EQ(read.Project->ID2, 0);
    TProjectReadResult again = TProgramData::CreateFromFile(folder / "first.kv8d", 1);
    ASSERT_FALSE(again.Failed()) << again.ErrorMessage;
    again.Project->FileName = (folder / "second.kv8d").string();
    again.Project->Save();
    const std::string saved = ReadBytes(folder / "first.kv8d");
    EXPECT_EQ(saved, ReadBytes(folder / "second.kv8d"));
    EXPECT_NE(saved.find("\r\n7 35 \r\n300000 4500 2 0.03 4 6100 800000 90 71000 1 1 \r\n"),
              std::string::npos);
    EXPECT_NE(saved.find("\r\n0.55 0.5\r\n3 15 \r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n0.1 0.25 0.5 \r\n"), std::string::npos);
    EXPECT_TRUE(saved.ends_with("\r\n2\r\n12.5\r\n30\r\n"));
}

TEST_F(ProjectFileTest, SaveAdjustsTheProjectBeforeWriting)
{
    auto project = WorkedExample();
    TProgramData& p = *project;
    p.FileName = (folder / "adjusted.kv8d").string();
    // No shaft length: the design load is specified, multiple lengths and charts go.
    p.PD = 0;
    p.LPD = 250;
    p.IPENT = 1;
    p.IChart = 1;
    p.Save();
    EXPECT_EQ(p.METHOD, 1);
    EXPECT_EQ(p.IPENT, 0);
    EXPECT_EQ(p.IChart, 0);
    EXPECT_EQ(p.PD, 0.0L);
    std::string text = ReadBytes(p.FileName);
    EXPECT_NE(text.find("\r\n1 1 1 1 1 2 0 0 0 0 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1 10 250 2.5 3\r\n"), std::string::npos);

    // Multiple lengths use one diameter.
    p.PD = 40;
    p.DSTART = 2.5;
    p.DIALIM = 6;
    p.IPENT = 1;
    p.PDMIN = 20;
    p.PDINCR = 5;
    p.Yesnewversion = 0;
    p.Save();
    EXPECT_EQ(p.METHOD, 2);
    EXPECT_EQ(p.LPD, 0.0L);
    EXPECT_EQ(p.DIALIM, 2.5L);
    EXPECT_EQ(p.Yesnewversion, 1);
    text = ReadBytes(p.FileName);
    EXPECT_NE(text.find("\r\n2.5 2.5 0 0 5 1 4000000\r\n1 10 40 2.5 3\r\n20 5\r\n1 50 \r\n"),
              std::string::npos);

    // Sand method records: beta, Ko, and anything else as the third method with m.
    struct TCase
    {
        int method;
        const char* records;
    };
    const TCase cases[] = {{1, "\r\n1 \r\n0.4 0.5 \r\n"},
                           {2, "\r\n2 \r\n0.2 0.3 \r\n"},
                           {0, "\r\n3 \r\n0.6 0.8 \r\n"},
                           {3, "\r\n3 \r\n0.6 0.8 \r\n"}};
    TGridTable& sand = *p.LayerProperties(0);
    sand.SetFloatValue(SandColumn::Ko, TopRow, 0.4L);
    sand.SetFloatValue(SandColumn::Ko, BottomRow, 0.5L);
    sand.SetFloatValue(SandColumn::Beta, TopRow, 0.2L);
    sand.SetFloatValue(SandColumn::Beta, BottomRow, 0.3L);
    sand.SetFloatValue(SandColumn::OCR, TopRow, 0.6L);
    sand.SetFloatValue(SandColumn::OCR, BottomRow, 0.8L);
    for (const TCase& c : cases) {
        sand.SetIntValue(SandColumn::Method, TopRow, 2);
        sand.SetIntValue(SandColumn::Method, BottomRow, c.method); // the bottom row decides
        p.Save();
        EXPECT_NE(ReadBytes(p.FileName).find(c.records), std::string::npos) << c.method;
    }
}

TEST_F(ProjectFileTest, DesignChartsAndTZDepthsAreWritten)
{
    auto project = WorkedExample();
    TProgramData& p = *project;
    p.FileName = (folder / "charts.kv8d").string();
    p.IChart = 1;
    p.PDMIN = 20;
    p.PDINCR = 2.5;
    p.DIAMINCR = 0.5;
    p.NPOINTPD = 0;
    p.PrintTZCurves = 1;
    p.TblTZDepth().SetRowCount(2);
    p.TblTZDepth().SetFloatValue(0, 0, 1e-6L);
    p.TblTZDepth().SetFloatValue(0, 1, 123456789);
    p.Save();
    const std::string text = ReadBytes(p.FileName);
    // An empty settlement set is an empty record.
    EXPECT_NE(text.find("\r\n20 2.5 0.5 0\r\n\r\n1 50 \r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n2\r\n1E-6\r\n1.2345679E8\r\n"));
    EXPECT_NE(text.find("2 1 1 1 1 2 0 1 0 0 1\r\n"), std::string::npos);

    // The reader passes over the empty settlement record.
    TProjectReadResult read = TProgramData::CreateFromFile(p.FileName, 1);
    ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
    EXPECT_EQ(read.Project->NPOINTPD, 0);
    EXPECT_EQ(read.Project->D().GetFloatValue(LayerColumn::Depth, 0), 50.0L);
    EXPECT_EQ(read.Project->TblTZDepth().GetFloatValue(0, 0), 1e-6L);

    // More than ten settlements in the model are never written.
    p.NPOINTPD = 14;
    p.Save();
    EXPECT_EQ(p.NPOINTPD, 10);
}

const char* const ExampleHead = "Example\n1 \n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 4000000\n";

TEST_F(ProjectFileTest, ReadingEdgeCases)
{
    // A control record of 10 values has no PrintTZCurves.
    {
        auto read = ReadText("T\n1 \n2 1 1 1 1 2 0 0 0 0\n3 3 0 0 5 1 4000000\n1 10 30 2.5 3\n"
                             "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->PrintTZCurves, 0);
        EXPECT_EQ(read.Project->D().RowCount(), 1);
    }
    // Layer records without the LRFD factors: sand 7 words, strong rock 9, gravel 5.
    {
        auto read = ReadText(std::string(ExampleHead) +
                             "3 10 30 2.5 3\n"
                             "1 10 \n0.0 120 32 0 5 0 0 \n0.0 120 32 0 5 0 0 \n1 \n0.5 0.5 \n"
                             "4 20 \n1 2 3 4 5 6 7 8 9 \n1 2 3 4 5 6 7 8 9 \n"
                             "9 30 \n130 40 0.9 0 0 \n131 41 0.95 0 0 \n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        const TGridTable& d = read.Project->D();
        for (int layer = 0; layer < 3; ++layer) {
            EXPECT_EQ(d.GetFloatValue(LayerColumn::PhiSide, layer), 1.0L) << layer;
            EXPECT_EQ(d.GetFloatValue(LayerColumn::PhiBase, layer), 1.0L) << layer;
        }
        EXPECT_EQ(d.GetFloatValue(LayerColumn::MaxEndBearing, 1), 9.0L);
    }
    // NL = 0 opens with one default layer.
    {
        auto read = ReadText(std::string(ExampleHead) + "0 10 30 2.5 3\n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        ASSERT_EQ(read.Project->D().RowCount(), 1);
        EXPECT_EQ(read.Project->D().GetIntValue(LayerColumn::Kind, 0), KindSand);
        EXPECT_EQ(read.Project->LayerProperties(0)->RowCount(), 2);
    }
    // Integer fields accept 2.0; a kind outside 1-9 has a head record only.
    {
        auto read = ReadText(std::string(ExampleHead) +
                             "2 10 30 2.5 3\n12 5 \n2.0 10 \n9 120 0.0 1500 8 0 0 1 1 \n"
                             "9 120 0.0 1500 8 0 0 1 1 \n0.5 0.5\n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->D().GetIntValue(LayerColumn::Kind, 0), 12);
        EXPECT_EQ(read.Project->LayerProperties(0), nullptr);
        EXPECT_EQ(read.Project->D().GetIntValue(LayerColumn::Kind, 1), KindClay);
    }
    // Negative counts read nothing: no layers, no settlements (the empty settlement record
    // is passed over), no t-z depths.
    {
        auto read = ReadText("T\n1 \n2 1 1 1 1 2 0 1 0 0 1\n3 3 0 0 5 1 4000000\n"
                             "-2 10 30 2.5 3\n20 5 0.5 -1\n\n-4\n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->NPOINTPD, 0);
        EXPECT_EQ(read.Project->D().RowCount(), 1);
        EXPECT_EQ(read.Project->TblTZDepth().RowCount(), 1);
    }
    // A design load project: the site record holds LPD.
    {
        auto read = ReadText("T\n2 \n1 1 1 1 1 2 0 0 0 0 0\n1 1 0 0 0 0 0\n1 3 900 2 3\n"
                             "1 20 \n0.0 18 30 0 0 0 0 1 1 \n0.0 18 30 0 0 0 0 1 1 \n1 \n0 0 \n");
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->Units(), 2);
        EXPECT_EQ(read.Project->LPD, 900.0L);
        EXPECT_EQ(read.Project->PD, 0.0L);
        EXPECT_NEAR(read.Project->PDSETT[0], 0.00254L, 1e-12L); // defaults in metres
    }
}

TEST_F(ProjectFileTest, FormatErrorsKeepWhatWasRead)
{
    struct TCase
    {
        std::string text;
        std::string message;
        int layers;
    };
    const std::string site3 = std::string(ExampleHead) + "3 10 30 2.5 3\n";
    const std::string sandBlock =
        "1 10 \n0.0 120 32 0 0 0 0 1 1 \n0.0 121 32 0 0 0 0 1 1 \n2 \n0 0 \n";
    const std::string clayBlock =
        "2 20 \n9 120 0.0 1500 8 0 0 1 1 \n9 120 0.0 1500 8 0 0 1 1 \n0.5 0.5\n";
    const TCase cases[] = {
        // Ends in the middle of the third layer.
        {site3 + sandBlock + clayBlock + "1 30 \n0.0 125 33 0 0 ",
         "This file either invalid or incomplete.", 3},
        // A real where an integer is required.
        {site3 + sandBlock + "2.5 20 \n",
         "Error on Line 11 Item 1\rAn integer was expected but not found.", 3},
        // A word that is not a number.
        {site3 + sandBlock + "2 abc \n",
         "Error on Line 11 Item 2\rA floating point number was expected but not found.", 3},
        // More than 40 layers.
        {std::string(ExampleHead) + "41 10 30 2.5 3\n",
         "Error on Line 5 Item 1\rThe number of soil layers must not exceed 40.", 1},
        // More than ten design-chart settlements.
        {"T\n1 \n2 1 1 1 1 2 0 1 0 0 0\n3 3 0 0 5 1 4000000\n1 10 30 2.5 3\n20 5 0.5 11\n",
         "Error on Line 6 Item 4\rThe number of design-chart settlements must not exceed 10.", 1},
        // More than 50 additional t-z depths.
        {"T\n1 \n2 1 1 1 1 2 0 0 0 0 1\n3 3 0 0 5 1 4000000\n0 10 30 2.5 3\n51\n",
         "Error on Line 6 Item 1\rThe number of t-z curve depths must not exceed 50.", 1},
        // An empty line inside the data.
        {site3 + sandBlock + "\n" + clayBlock,
         "Error on Line 11 Item 1\rAn empty line was found where data was expected.", 3},
    };
    for (const TCase& c : cases) {
        auto read = ReadText(c.text);
        EXPECT_EQ(read.ErrorMessage, c.message);
        ASSERT_NE(read.Project, nullptr);
        EXPECT_EQ(read.Project->D().RowCount(), c.layers);
        EXPECT_FALSE(read.Project->GetDataChanged());
        // Every layer row has its two-row property table.
        for (int layer = 0; layer < read.Project->D().RowCount(); ++layer) {
            ASSERT_NE(read.Project->LayerProperties(layer), nullptr);
            EXPECT_EQ(read.Project->LayerProperties(layer)->RowCount(), 2);
        }
        EXPECT_GE(read.Project->TblTZDepth().RowCount(), 1);
    }
    // The truncated file keeps the first two layers complete and the third partly read.
    auto read = ReadText(cases[0].text);
    const TProgramData& p = *read.Project;
    EXPECT_EQ(p.LayerProperties(0)->GetFloatValue(SandColumn::UnitWeight, BottomRow), 121.0L);
    EXPECT_EQ(p.D().GetIntValue(LayerColumn::Kind, 1), KindClay);
    EXPECT_EQ(p.LayerProperties(1)->GetFloatValue(ClayColumn::Alpha, BottomRow), 0.5L);
    EXPECT_EQ(p.D().GetFloatValue(LayerColumn::Depth, 2), 30.0L);
    EXPECT_EQ(p.LayerProperties(2)->GetFloatValue(SandColumn::FrictionAngle, TopRow), 33.0L);
    EXPECT_EQ(p.FileName, (folder / "input.kv8d").string());

    // A file that cannot be opened is reported the same way.
    auto missing = TProgramData::CreateFromFile(folder / "missing.kv8d", 1);
    EXPECT_TRUE(missing.Failed());
    EXPECT_EQ(missing.Project->D().RowCount(), 1);
}

TEST_F(ProjectFileTest, OlderLayouts)
{
    {
        auto read = TProgramData::CreateFromFile(DataFolder / "Previous.kvd", 2);
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        const TProgramData& p = *read.Project;
        EXPECT_EQ(p.Units(), 2);
        EXPECT_EQ(p.METHOD, 1);
        EXPECT_EQ(p.PINC, 0.5L);
        EXPECT_EQ(p.IMOD, 0);
        EXPECT_EQ(p.NLRFD, 1);
        EXPECT_EQ(p.Yesnewversion, 1);
        EXPECT_EQ(p.LPD, 500.0L);
        EXPECT_EQ(p.IPENT, 0);
        EXPECT_EQ(p.PrintTZCurves, 0);
        EXPECT_NEAR(p.PDSETT[0], 0.00254L, 1e-12L);
        ASSERT_EQ(p.D().RowCount(), 2);
        const TGridTable& sand = *p.LayerProperties(0);
        EXPECT_EQ(sand.GetFloatValue(SandColumn::InterfaceAngle, TopRow), 0.0L);
        EXPECT_EQ(sand.GetIntValue(SandColumn::BlowCounts, BottomRow), 16);
        EXPECT_EQ(sand.GetIntValue(SandColumn::Method, TopRow), SandBetaMethod);
        EXPECT_EQ(sand.GetFloatValue(SandColumn::Beta, BottomRow), 0.35L);
        EXPECT_EQ(p.D().GetFloatValue(LayerColumn::PhiSide, 0), 0.6L);
        EXPECT_EQ(p.D().GetFloatValue(LayerColumn::PhiSide, 1), 1.0L);
        EXPECT_EQ(p.LayerProperties(1)->GetFloatValue(ClayColumn::Alpha, BottomRow), 0.6L);
    }
    {
        auto read = TProgramData::CreateFromFile(DataFolder / "Old4.kvd", 3);
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        const TProgramData& p = *read.Project;
        EXPECT_EQ(p.KCYCL, 2);
        EXPECT_EQ(p.RCYCL, 0.75L);
        EXPECT_EQ(p.IMOD, 1);
        EXPECT_EQ(p.NLRFD, 0);
        EXPECT_EQ(p.Yesnewversion, 0);
        EXPECT_EQ(p.PD, 25.0L);
        EXPECT_EQ(p.PDSETT[4], 1.0L);
        const TGridTable& sand = *p.LayerProperties(0);
        EXPECT_EQ(sand.GetIntValue(SandColumn::Method, BottomRow), SandKoMethod);
        EXPECT_EQ(sand.GetFloatValue(SandColumn::Ko, TopRow), 0.8L);
        EXPECT_EQ(sand.GetIntValue(SandColumn::BlowCounts, BottomRow), 25);
    }
    {
        auto read = TProgramData::CreateFromFile(DataFolder / "Old5.kvd", 3);
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->IMOD, 0);
        EXPECT_EQ(read.Project->D().GetIntValue(LayerColumn::Kind, 0), KindStrongRock);
        EXPECT_EQ(read.Project->D().GetFloatValue(LayerColumn::PhiBase, 0), 1.0L);
        EXPECT_EQ(read.Project->D().GetFloatValue(LayerColumn::MaxEndBearing, 0), 61000.0L);
    }
}

TEST_F(ProjectFileTest, LayoutRecognisedFromTheControlRecordWhateverTheFilter)
{
    // Every filter of the open dialog (1 current, 2 previous, 3 old, 4 all files) reads a
    // file with the layout its control record has.
    const std::string current = ReadBytes(DataFolder / "Example.kv8d");
    for (int filter = 1; filter <= 4; ++filter) {
        SCOPED_TRACE(filter);
        auto read = TProgramData::CreateFromFile(DataFolder / "Example.kv8d", filter);
        ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
        EXPECT_EQ(read.Project->DSTART, 3.0L);
        EXPECT_EQ(read.Project->FSB, 3.0L);
        EXPECT_EQ(ComposeProjectFile(*read.Project), current);

        auto previous = TProgramData::CreateFromFile(DataFolder / "Previous.kvd", filter);
        ASSERT_FALSE(previous.Failed()) << previous.ErrorMessage;
        EXPECT_EQ(previous.Project->NLRFD, 1);
        EXPECT_EQ(previous.Project->Yesnewversion, 1);
        EXPECT_EQ(previous.Project->LPD, 500.0L);
        EXPECT_NEAR(previous.Project->PDSETT[0], 0.00254L, 1e-12L);

        for (const char* old : {"Old4.kvd", "Old5.kvd"}) {
            auto read = TProgramData::CreateFromFile(DataFolder / old, filter);
            ASSERT_FALSE(read.Failed()) << old << ": " << read.ErrorMessage;
            EXPECT_EQ(read.Project->Yesnewversion, 0) << old;
            EXPECT_EQ(read.Project->PDSETT[4], 1.0L) << old;
        }
    }
    EXPECT_EQ(TProgramData::CreateFromFile(DataFolder / "Old4.kvd", 2).Project->PD, 25.0L);

    // Any other count is refused at the item where the record leaves every layout.
    const std::string head = "Title\n1 \n";
    const std::string rest = "\n3 3 0 0 5 1 4000000\n1 10 30 2.5 3\n1 50 \n";
    const struct
    {
        std::string control;
        std::string message;
    } refused[] = {
        {"2 1 1 1 1 2 0", "Error on Line 3 Item 8"},
        {"2 1 1 1 1 2 0 0 0", "Error on Line 3 Item 10"},
        {"2 1 1 1 1 2 0 0 0 0 0 0", "Error on Line 3 Item 12"},
        {"2 1 1", "Error on Line 3 Item 4"},
    };
    for (const auto& c : refused) {
        auto read = ReadText(head + c.control + rest, 4);
        const std::string count = std::to_string(WordCount(c.control));
        EXPECT_EQ(read.ErrorMessage, c.message + "\rThe control record holds " + count +
                                         " values: a project file has 11 (or 10), an older "
                                         "one 6, 5 or 4.");
        EXPECT_EQ(read.Project->D().RowCount(), 1);
        EXPECT_EQ(read.Project->DSTART, 0.0L);
    }
}

TEST_F(ProjectFileTest, WindowsTitleIsDecodedAndSavedAsUtf8)
{
    auto read = ReadText("B\xe9ton \x96 Pfahl\n1 \n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 4000000\n"
                         "0 10 30 2.5 3\n");
    ASSERT_FALSE(read.Failed()) << read.ErrorMessage;
    EXPECT_EQ(read.Project->Title, "B\u00e9ton \u2013 Pfahl");
    read.Project->FileName = (folder / "utf8.kv8d").string();
    read.Project->Save();
    EXPECT_TRUE(ReadBytes(folder / "utf8.kv8d").starts_with("B\u00e9ton \u2013 Pfahl\r\n1 \r\n"));
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileIntact)
{
    const fs::path target = folder / "kept.kv8d";
    const std::string previous = ReadBytes(DataFolder / "Example.kv8d");
    WriteBytes(target, previous);
    auto project = WorkedExample();
    project->FileName = target.string();
    project->Title = "Changed title";
    project->SetDataChanged(true);

    // A write that stops part-way (a full disk) leaves neither a damaged file nor a
    // temporary file behind.
    {
        struct rlimit saved
        {
        };
        ::getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit tiny = saved;
        tiny.rlim_cur = 16;
        auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        EXPECT_THROW(project->Save(), EInOutError);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(ReadBytes(target), previous);
    EXPECT_TRUE(project->GetDataChanged());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A folder without write permission (meaningful only without administrator rights).
    if (::geteuid() != 0) {
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(project->Save(), EInOutError);
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(ReadBytes(target), previous);
        EXPECT_TRUE(project->GetDataChanged());
    }

    // A folder that does not exist.
    project->FileName = (folder / "no-such-folder" / "x.kv8d").string();
    EXPECT_THROW(project->Save(), EInOutError);

    // A value that is not a number is refused before anything is written.
    project->FileName = target.string();
    // So is one too large to be read back (1E400).
    for (const long double bad : {std::numeric_limits<long double>::quiet_NaN(), 1E400L}) {
        project->WTD = bad;
        EXPECT_THROW(project->Save(), EInOutError);
        EXPECT_EQ(ReadBytes(target), previous);
    }

    // Then a save that succeeds replaces the file and clears the changed flag.
    project->WTD = 10;
    project->Save();
    EXPECT_TRUE(ReadBytes(target).starts_with("Changed title\r\n"));
    EXPECT_FALSE(project->GetDataChanged());
}

TEST_F(ProjectFileTest, ExampleProjectsReadBack)
{
    const fs::path examples(KORVA_EXAMPLES);
    if (!fs::exists(examples))
        GTEST_SKIP() << "no example projects";
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".kv8d")
            continue;
        ++count;
        auto read = TProgramData::CreateFromFile(entry.path(), 1);
        EXPECT_FALSE(read.Failed()) << entry.path() << ": " << read.ErrorMessage;
        // Saving again and reading back gives the same bytes once more.
        read.Project->FileName = (folder / "first.kv8d").string();
        read.Project->Save();
        // The examples are written as the program writes them.
        EXPECT_EQ(ReadBytes(folder / "first.kv8d"), ReadBytes(entry.path())) << entry.path();
        auto again = TProgramData::CreateFromFile(folder / "first.kv8d", 1);
        EXPECT_FALSE(again.Failed()) << entry.path() << ": " << again.ErrorMessage;
        again.Project->FileName = (folder / "second.kv8d").string();
        again.Project->Save();
        EXPECT_EQ(ReadBytes(folder / "first.kv8d"), ReadBytes(folder / "second.kv8d"))
            << entry.path();
    }
    if (count == 0)
        GTEST_SKIP() << "no example projects";
}

} // namespace
