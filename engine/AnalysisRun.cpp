#include "engine/AnalysisRun.h"

#include "engine/FixedFormat.h"
#include "engine/InputEcho.h"

namespace korva {

AnalysisRun::AnalysisRun(RunFileNames fileNames, const std::tm& localTime)
    : names(std::move(fileNames)), analysisTime(localTime)
{
}

void AnalysisRun::writeTzDiam(int diameterCounter)
{
    std::ofstream out(names.resolve(names.workFile(TzDiamWorkFileName)), std::ios::trunc);
    out << freeFormat(static_cast<long>(diameterCounter)) << '\n';
    tzDiamWritten_ = true;
}

void AnalysisRun::fail(int32_t failureStatus, const std::string& message)
{
    status = failureStatus;
    failureMessage = message;
    writeRunFailure(report, message);
    writeRunFailure(runNotes, message);
}

} // namespace korva
