#include "engine/run/RunContext.h"

#include "engine/output/FixedFormat.h"
#include "engine/output/InputEcho.h"

namespace korva {

RunContext::RunContext(RunFileNames fileNames, const std::tm& localTime)
    : names(std::move(fileNames)), analysisTime(localTime)
{
}

void RunContext::writeTzDiam(int diameterCounter)
{
    std::ofstream out(names.resolve(names.workFile(kTzDiamWorkFileName)), std::ios::trunc);
    out << freeFormat(static_cast<long>(diameterCounter)) << '\n';
    tzDiamWritten_ = true;
}

void RunContext::fail(const RunFailure& failure)
{
    status = failure.status();
    if (failure.alreadyReported())
        return;
    failureMessage = failure.what();
    writeRunFailure(report, failureMessage);
    writeRunFailure(runNotes, failureMessage);
}

} // namespace korva
