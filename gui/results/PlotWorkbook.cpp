#include "gui/results/PlotWorkbook.h"

#include "gui/model/FileReplace.h"
#include "gui/model/InOutError.h"

#include <xlsxwriter.h>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>
#include <system_error>

namespace korva::gui {

namespace {

// Headings of the index sheet, row 2, columns B to F (the blanks belong to the texts: they
// set the widths of the fitted columns).
constexpr const char* kIndexHeadings[5] = {
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
constexpr const char* kStatusComplete = "Complete";

// Cell layout of a data sheet (0-based rows): caption and axis titles above, then per curve a
// name row, an "X"/"Y" row and the points from row 6 (1-based) down.
constexpr lxw_row_t kNameRow = 3;
constexpr lxw_row_t kHeadingRow = 4;
constexpr lxw_row_t kFirstPointRow = 5;

// Legend border (black, 0.75 pt) and interior (white) of every chart. The chart writer has no
// call for them, so they are put into each chart part of the finished file.
constexpr std::string_view kLegendShape =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill><a:ln w=\"9525\">"
    "<a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";

std::string Sheet(const char* prefix, int k)
{
    return prefix + std::to_string(k);
}

// Column letters of a 0-based column, "$"-prefixed for an absolute reference.
std::string AbsoluteColumn(lxw_col_t column)
{
    char name[LXW_MAX_COL_NAME_LENGTH] = {};
    lxw_col_to_name(name, column, LXW_TRUE);
    return name;
}

// "=Page_k!$C$6:$C$21": rows 6 .. lastRow (1-based) of one column.
std::string ColumnRange(const std::string& sheet, lxw_col_t column, int lastRow)
{
    const std::string letters = AbsoluteColumn(column);
    return "=" + sheet + "!" + letters + "$6:" + letters + "$" + std::to_string(lastRow);
}

// Text as a cell or chart string: characters that XML 1.0 cannot carry (C0 controls other than
// tab and line feed) would make the whole file unreadable, so they are left out.
std::string CellText(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 || c == '\t' || c == '\n')
            clean += c;
    }
    return clean;
}

[[noreturn]] void Fail(const std::string& fileName, const std::string& reason)
{
    throw EInOutError("The workbook could not be written: " + fileName + ": " + reason);
}

void Check(lxw_error error, const std::string& fileName)
{
    if (error != LXW_NO_ERROR)
        Fail(fileName, lxw_strerror(error));
}

// A private folder for the intermediate files of one export, removed with everything in it.
class TScratchFolder
{
  public:
    explicit TScratchFolder(const std::string& fileName)
    {
        std::error_code error;
        std::filesystem::path base = std::filesystem::temp_directory_path(error);
        if (error)
            base = "/tmp";
        std::string pattern = (base / "korva-workbook-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            Fail(fileName, "no temporary folder can be made in " + base.string());
        fPath = pattern;
    }
    ~TScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(fPath, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::filesystem::path File(const char* name) const { return fPath / name; }

  private:
    std::filesystem::path fPath;
};

// Writes the workbook's parts with the spreadsheet writer.
class TWorkbookBuilder
{
  public:
    TWorkbookBuilder(const std::string& scratchFile, const std::string& scratchFolder,
                     const std::string& fileName)
        : fFileName(fileName), fScratchFolder(scratchFolder)
    {
        lxw_workbook_options options{};
        options.tmpdir = fScratchFolder.data();
        fWorkbook = workbook_new_opt(scratchFile.c_str(), &options);
        if (fWorkbook == nullptr)
            Fail(fFileName, "out of memory");
    }
    ~TWorkbookBuilder()
    {
        // A workbook not closed yet (an error on the way) is freed without being written.
        if (fWorkbook != nullptr)
            lxw_workbook_free(fWorkbook);
    }
    TWorkbookBuilder(const TWorkbookBuilder&) = delete;
    TWorkbookBuilder& operator=(const TWorkbookBuilder&) = delete;

    TWorkbookExport Build(const std::vector<const TGraphPlot*>& graphs, bool addMarkers)
    {
        TWorkbookExport result;
        lxw_worksheet* index = AddWorksheet("Legend");
        WriteIndexHeadings(index, static_cast<int>(graphs.size()));
        for (const TGraphPlot* graph : graphs) {
            const int k = ++result.Graphs;
            const std::string page = Sheet("Page_", k);
            const std::string plot = Sheet("Plot_", k);
            const lxw_row_t row = static_cast<lxw_row_t>(k + 1);
            Check(worksheet_write_string(index, row, 2, CellText(graph->Caption).c_str(), nullptr),
                  fFileName);
            Check(worksheet_write_url_opt(index, row, 3, ("internal:" + page + "!A1").c_str(),
                                          nullptr, page.c_str(), nullptr),
                  fFileName);
            Check(worksheet_write_string(index, row, 4, plot.c_str(), nullptr), fFileName);
            const int lastRow = WriteDataSheet(AddWorksheet(page), *graph);
            if (WriteChartSheet(plot, page, *graph, lastRow, addMarkers))
                result.SeriesLimited = true;
            Check(worksheet_write_string(index, row, 5, kStatusComplete, nullptr), fFileName);
        }
        const lxw_error closed = workbook_close(fWorkbook);
        fWorkbook = nullptr; // workbook_close frees it, also when it fails
        Check(closed, fFileName);
        return result;
    }

  private:
    lxw_worksheet* AddWorksheet(const std::string& name)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(fWorkbook, name.c_str());
        if (sheet == nullptr)
            Fail(fFileName, "the sheet " + name + " cannot be added");
        return sheet;
    }

    void WriteIndexHeadings(lxw_worksheet* index, int graphCount)
    {
        lxw_format* heading = workbook_add_format(fWorkbook);
        format_set_bold(heading);
        format_set_align(heading, LXW_ALIGN_VERTICAL_CENTER);
        for (lxw_col_t c = 0; c < 5; ++c) {
            Check(worksheet_write_string(index, 1, c + 1, kIndexHeadings[c], heading), fFileName);
            // Fitted to the headings, the only contents of the columns at this point; bold
            // type is about a tenth wider than the default width unit.
            const double width = std::ceil(std::string_view(kIndexHeadings[c]).size() * 1.1) + 1;
            Check(worksheet_set_column(index, c + 1, c + 1, width, nullptr), fFileName);
        }
        for (int k = 1; k <= graphCount; ++k)
            Check(worksheet_write_number(index, static_cast<lxw_row_t>(k + 1), 1, k, nullptr),
                  fFileName);
    }

    // Returns the last row (1-based) that the chart's series span: that of the longest curve.
    int WriteDataSheet(lxw_worksheet* sheet, const TGraphPlot& graph)
    {
        Check(worksheet_write_url(sheet, 0, 6, "internal:Legend!A1", nullptr), fFileName);
        Check(worksheet_write_string(sheet, 0, 0, CellText(graph.Caption).c_str(), nullptr),
              fFileName);
        Check(worksheet_write_string(sheet, 1, 0, "X", nullptr), fFileName);
        Check(worksheet_write_string(sheet, 1, 1, CellText(graph.XCaptionText()).c_str(), nullptr),
              fFileName);
        Check(worksheet_write_string(sheet, 2, 0, "Y", nullptr), fFileName);
        Check(worksheet_write_string(sheet, 2, 1, CellText(graph.YCaptionText()).c_str(), nullptr),
              fFileName);
        int longest = 0;
        for (int i = 0; i < graph.LineCount(); ++i) {
            const TLine& line = graph.Lines(i);
            const auto x = static_cast<lxw_col_t>(2 * i);
            Check(worksheet_write_string(sheet, kNameRow, x, CellText(line.GetLineName()).c_str(),
                                         nullptr),
                  fFileName);
            Check(worksheet_write_string(sheet, kHeadingRow, x, "X", nullptr), fFileName);
            Check(worksheet_write_string(sheet, kHeadingRow, x + 1, "Y", nullptr), fFileName);
            for (int j = 0; j < line.Count(); ++j) {
                const auto row = static_cast<lxw_row_t>(kFirstPointRow + j);
                WriteNumber(sheet, row, x, line.Data(j).x);
                WriteNumber(sheet, row, x + 1, line.Data(j).y);
            }
            longest = std::max(longest, line.Count());
        }
        // A graph without points still gets a (one-row, empty) range, never a reversed one.
        return static_cast<int>(kFirstPointRow) + std::max(longest, 1);
    }

    // A value the analysis could not give (not finite) is left as an empty cell, a gap in the
    // chart; the file format has no number for it.
    void WriteNumber(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, double value)
    {
        if (std::isfinite(value))
            Check(worksheet_write_number(sheet, row, column, value, nullptr), fFileName);
    }

    // Returns true when the graph had more curves than a chart takes.
    bool WriteChartSheet(const std::string& name, const std::string& dataSheet,
                         const TGraphPlot& graph, int lastRow, bool addMarkers)
    {
        lxw_chartsheet* sheet = workbook_add_chartsheet(fWorkbook, name.c_str());
        lxw_chart* chart = workbook_add_chart(fWorkbook, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
        if (sheet == nullptr || chart == nullptr)
            Fail(fFileName, "the chart " + name + " cannot be added");
        const bool limited = graph.LineCount() > WorkbookSeriesLimit;
        const int series = std::min(graph.LineCount(), WorkbookSeriesLimit);
        for (int i = 0; i < series; ++i) {
            const auto x = static_cast<lxw_col_t>(2 * i);
            lxw_chart_series* s =
                chart_add_series(chart, ColumnRange(dataSheet, x, lastRow).c_str(),
                                 ColumnRange(dataSheet, x + 1, lastRow).c_str());
            if (s == nullptr)
                Fail(fFileName, "a series of " + name + " cannot be added");
            const std::string curve = CellText(graph.Lines(i).GetLineName());
            // A name beginning with "=" would be read as a formula: take it from its cell.
            if (!curve.empty() && curve.front() == '=')
                chart_series_set_name_range(s, dataSheet.c_str(), kNameRow, x);
            else
                chart_series_set_name(s, curve.c_str());
            if (!addMarkers)
                chart_series_set_marker_type(s, LXW_CHART_MARKER_NONE);
        }
        // A chart needs a series: a graph without curves shows one empty series.
        if (series == 0 && chart_add_series(chart, ColumnRange(dataSheet, 0, lastRow).c_str(),
                                            ColumnRange(dataSheet, 1, lastRow).c_str()) == nullptr)
            Fail(fFileName, "a series of " + name + " cannot be added");
        chart_title_off(chart);
        chart_axis_set_name(chart->x_axis, CellText(graph.XCaptionText()).c_str());
        chart_axis_set_name(chart->y_axis, CellText(graph.YCaptionText()).c_str());
        chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
        chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
        // Depth grows downward in the graphs whose x axis stands on top.
        if (graph.XOnTop)
            chart_axis_set_reverse(chart->y_axis);
        Check(chartsheet_set_chart(sheet, chart), fFileName);
        return limited;
    }

    std::string fFileName;
    std::string fScratchFolder;
    lxw_workbook* fWorkbook = nullptr;
};

// Reads the whole current entry of an open zip.
bool ReadCurrentEntry(unzFile zip, std::string& contents)
{
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    char buffer[65536];
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
        contents.append(buffer, static_cast<std::size_t>(read));
    return unzCloseCurrentFile(zip) == UNZ_OK && read == 0;
}

bool IsChartPart(std::string_view name)
{
    return name.starts_with("xl/charts/chart") && name.ends_with(".xml");
}

// Gives the legend of a chart part its border and interior.
void StyleLegend(std::string& chartXml)
{
    std::size_t at = chartXml.find("</c:legend>");
    if (at == std::string::npos)
        return;
    const std::size_t font = chartXml.rfind("<c:txPr>", at);
    const std::size_t begin = chartXml.rfind("<c:legend>", at);
    if (font != std::string::npos && begin != std::string::npos && font > begin)
        at = font;
    chartXml.insert(at, kLegendShape);
}

// Copies the zip `source` to `target`, entry by entry in the same order, with the legend of
// every chart part styled.
void CopyWithLegendStyle(const std::string& source, const std::string& target,
                         const std::string& fileName)
{
    unzFile in = unzOpen64(source.c_str());
    if (in == nullptr)
        Fail(fileName, "the written workbook cannot be read back");
    std::unique_ptr<void, int (*)(unzFile)> closeIn(in, unzClose);
    zipFile out = zipOpen64(target.c_str(), APPEND_STATUS_CREATE);
    if (out == nullptr)
        Fail(fileName, "the workbook cannot be created in the temporary folder");
    // Closed here on an error; on success closed below, where its result counts.
    std::unique_ptr<void, void (*)(zipFile)> closeOut(out, [](zipFile z) { zipClose(z, nullptr); });

    for (int status = unzGoToFirstFile(in); status == UNZ_OK; status = unzGoToNextFile(in)) {
        unz_file_info64 info{};
        char name[512] = {};
        if (unzGetCurrentFileInfo64(in, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            Fail(fileName, "the written workbook cannot be read back");
        std::string contents;
        if (!ReadCurrentEntry(in, contents))
            Fail(fileName, "the written workbook cannot be read back");
        if (IsChartPart(name))
            StyleLegend(contents);
        zip_fileinfo entry{};
        entry.tmz_date.tm_sec = info.tmu_date.tm_sec;
        entry.tmz_date.tm_min = info.tmu_date.tm_min;
        entry.tmz_date.tm_hour = info.tmu_date.tm_hour;
        entry.tmz_date.tm_mday = info.tmu_date.tm_mday;
        entry.tmz_date.tm_mon = info.tmu_date.tm_mon;
        entry.tmz_date.tm_year = info.tmu_date.tm_year;
        entry.dosDate = info.dosDate;
        if (zipOpenNewFileInZip64(out, name, &entry, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_DEFAULT_COMPRESSION, 0) != ZIP_OK ||
            zipWriteInFileInZip(out, contents.data(), static_cast<unsigned>(contents.size())) !=
                ZIP_OK ||
            zipCloseFileInZip(out) != ZIP_OK)
            Fail(fileName, "the workbook cannot be written to the temporary folder");
    }
    if (zipClose(closeOut.release(), nullptr) != ZIP_OK)
        Fail(fileName, "the workbook cannot be written to the temporary folder");
}

std::string ReadWholeFile(const std::filesystem::path& path, const std::string& fileName)
{
    std::ifstream in(path, std::ios::binary);
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad())
        Fail(fileName, "the workbook cannot be read from the temporary folder");
    return contents;
}

} // namespace

TWorkbookExport WritePlotWorkbook(const std::string& fileName,
                                  const std::vector<const TGraphPlot*>& graphs, bool addMarkers)
{
    // The spreadsheet writer and the legend styling work on files of a private scratch folder;
    // the finished bytes then replace the chosen file in one rename beside it.
    TScratchFolder scratch(fileName);
    const std::string raw = scratch.File("written.xlsx").string();
    const std::string styled = scratch.File("styled.xlsx").string();
    TWorkbookExport result;
    {
        TWorkbookBuilder builder(raw, scratch.File("").string(), fileName);
        result = builder.Build(graphs, addMarkers);
    }
    CopyWithLegendStyle(raw, styled, fileName);
    const std::string bytes = ReadWholeFile(styled, fileName);
    try {
        WriteFileReplacing(fileName, bytes);
    } catch (const std::exception& e) {
        throw EInOutError(std::string("The workbook could not be written: ") + e.what());
    }
    return result;
}

std::string WorkbookCompletedMessage(bool seriesLimited)
{
    std::string message =
        "Export to Excel Completed\nPlease note that you need to save the excel file\n";
    if (seriesLimited)
        message += "Some plots show only 255 series because Excel limitation \nPlease check \n";
    return message;
}

} // namespace korva::gui
