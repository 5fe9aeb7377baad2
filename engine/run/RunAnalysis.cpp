#include "engine/run/RunAnalysis.h"

#include "engine/analysis/Driver.h"
#include "engine/run/RunContext.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <memory>
#include <optional>
#include <system_error>

namespace korva {
namespace {

std::tm localClock()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string quoted(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"";
}

std::filesystem::path comparable(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path.lexically_normal() : canonical;
}

// Opens one output file of the run; the first file that cannot be created is the failure the
// run ends with (the others are still opened, so that the report can carry the message).
void openOutput(RunContext& run, std::ofstream& stream, const std::filesystem::path& path,
                std::optional<RunFailure>& firstFailure)
{
    if (!openOutputFile(stream, run.names.resolve(path)) && !firstFailure)
        firstFailure.emplace(StatusOutputFileFailed,
                             "Output file " + quoted(path) + " cannot be created");
}

std::string trimmedTitle(const std::string& title)
{
    const std::size_t end = title.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : title.substr(0, end + 1);
}

void runAndGather(RunContext& run)
{
    const RunFileNames& names = run.names;
    std::optional<RunFailure> failure;
    openOutput(run, run.chart, names.workFile(kChartWorkFileName), failure);

    // A folder opens like a file but reads nothing: it is no project data file either.
    std::error_code error;
    const bool projectIsFolder =
        std::filesystem::is_directory(names.resolve(names.projectData), error);
    if (!projectIsFolder)
        run.projectData.open(names.resolve(names.projectData), std::ios::in | std::ios::binary);
    const bool projectReadable = run.projectData.is_open() && static_cast<bool>(run.projectData);
    openOutput(run, run.report, names.report, failure);
    openOutput(run, run.plot, names.plot, failure);
    openOutput(run, run.runNotes, names.runNotes, failure);
    openOutput(run, run.tzReport, names.tzReport, failure);
    openOutput(run, run.qwReport, names.qwReport, failure);
    openOutput(run, run.tzPlot, names.tzPlot, failure);
    openOutput(run, run.qwPlot, names.qwPlot, failure);
    openOutput(run, run.loadSettlementPlot, names.loadSettlementPlot, failure);
    if (!projectReadable)
        failure.emplace(StatusProjectFileUnreadable,
                        "Project data file " + quoted(names.projectData) + " cannot be opened");

    writeBanner(run.report, names.versionText);
    writeBanner(run.tzReport, names.versionText);
    writeFileBlock(run.report, names);
    writeTimeBlock(run.report, run.analysisTime);
    writeTimeBlock(run.tzReport, run.analysisTime);

    if (failure) {
        run.fail(*failure);
    } else {
        try {
            runDriver(run);
        } catch (const RunFailure& ended) {
            run.fail(ended);
        } catch (const std::exception& unexpected) {
            run.fail(RunFailure(StatusInternalFailure,
                                std::string("Internal failure: ") + unexpected.what()));
        }
    }

    // The curve data the analysis spread over the scratch files joins the plot file and the
    // t-z report, also after a run that stopped early.
    closeOutputFile(run.qwReport, names.resolve(names.qwReport));
    closeOutputFile(run.tzPlot, names.resolve(names.tzPlot));
    closeOutputFile(run.qwPlot, names.resolve(names.qwPlot));
    closeOutputFile(run.loadSettlementPlot, names.resolve(names.loadSettlementPlot));
    appendAs80CharacterRecords(names.resolve(names.qwReport), run.tzReport);
    appendAs80CharacterRecords(names.resolve(names.tzPlot), run.plot);
    if (run.tzDiamWritten())
        appendAs80CharacterRecords(names.resolve(names.workFile(kTzDiamWorkFileName)), run.plot);
    appendAs80CharacterRecords(names.resolve(names.qwPlot), run.plot);
    appendAs80CharacterRecords(names.resolve(names.loadSettlementPlot), run.plot);

    run.projectData.close();
    closeOutputFile(run.report, names.resolve(names.report));
    closeOutputFile(run.plot, names.resolve(names.plot));
    closeOutputFile(run.runNotes, names.resolve(names.runNotes));
    closeOutputFile(run.chart, names.resolve(names.workFile(kChartWorkFileName)));
    closeOutputFile(run.tzReport, names.resolve(names.tzReport));
}

} // namespace

// Every file of the run must be a file of its own: an output written over the project data
// file would destroy the project, and a scratch file appended to itself would never end.
void checkDistinctRunFiles(const RunFileNames& names)
{
    std::vector<std::filesystem::path> all = {names.projectData};
    for (const auto& output : names.outputFiles())
        all.push_back(output);
    for (const char* work :
         {kChartWorkFileName, kTzDiamWorkFileName, kTzDataWorkFileName, kRockMessageWorkFileName})
        all.push_back(names.workFile(work));
    std::vector<std::filesystem::path> seen;
    for (const auto& path : all) {
        const std::filesystem::path key = comparable(names.resolve(path));
        for (const auto& earlier : seen) {
            if (earlier == key)
                throw RunFailure(StatusOutputFileFailed,
                                 "The file " + quoted(path) +
                                     " is named for two files of the run; no file was written");
        }
        seen.push_back(key);
    }
}

RunOutcome runAnalysis(const RunFileNames& names, const std::tm& analysisTime)
{
    RunOutcome outcome;
    try {
        checkDistinctRunFiles(names);
        auto run = std::make_unique<RunContext>(names, analysisTime);
        runAndGather(*run);
        outcome.status = run->status;
        outcome.message = run->failureMessage;
        outcome.title = trimmedTitle(run->deck.title);
        outcome.si = run->deck.isSI();
        outcome.lrfd = run->deck.NLRFD == 1;
        outcome.uplift = run->deck.KCYCL == 2;
        outcome.summary = std::move(run->summary);
    } catch (const RunFailure& failure) {
        outcome.status = failure.status();
        outcome.message = failure.what();
    } catch (const std::exception& failure) {
        outcome.status = StatusInternalFailure;
        outcome.message = std::string("Internal failure: ") + failure.what();
    }
    return outcome;
}

RunOutcome runAnalysis(const RunFileNames& names)
{
    return runAnalysis(names, localClock());
}

RunOutcome runFromNamesFile(const std::filesystem::path& workFolder)
{
    RunFileNames names;
    try {
        names = readNamesFile(workFolder / kNamesFileName, workFolder);
    } catch (const RunFailure& failure) {
        RunOutcome outcome;
        outcome.status = failure.status();
        outcome.message = failure.what();
        return outcome;
    }
    return runAnalysis(names);
}

int32_t handleEngineRequest(int32_t requestCode, const std::filesystem::path& workFolder) noexcept
{
    if (requestCode != kRunRequestCode)
        return StatusBadRequest;
    try {
        return runFromNamesFile(workFolder).status;
    } catch (...) {
        return StatusInternalFailure;
    }
}

} // namespace korva
