#include "engine/run/RunStatus.h"

namespace korva {

const char* describeRunStatus(int32_t status)
{
    switch (status) {
    case StatusNormal:
        return "the analysis ran to its end";
    case StatusBadRequest:
        return "bad request code; nothing was done";
    case StatusTzBeyondProfile:
        return "a t-z curve depth lies beyond the soil profile; the run stopped early";
    case StatusQwBeyondProfile:
        return "the tip depth lies beyond the soil profile; the run stopped early";
    case StatusDesignLoadNotReached:
        return "the design load is not reached within the soil profile";
    case StatusProfileBeyondTables:
        return "the soil profile reaches deeper than 503 ft (153.3 m); the run was refused";
    case StatusNamesFileMissing:
        return "the names file is missing or cannot be read, or a path in it is longer than "
               "255 characters";
    case StatusNamesFileIncomplete:
        return "the names file ends before its tenth line";
    case StatusProjectFileUnreadable:
        return "the project data file is missing or cannot be read";
    case StatusOutputFileFailed:
        return "an output file cannot be created, or one file is named for two files of the run";
    case StatusDeckFormatError:
        return "the project data file has a format error";
    case StatusDeckCountOutOfRange:
        return "a count in the project data file is out of range";
    case StatusDeckValueOutOfRange:
        return "a value in the project data file is outside its physical range";
    case StatusInternalFailure:
        return "internal failure of the engine";
    default:
        return "unknown status";
    }
}

} // namespace korva
