#pragma once
#include <cstdint>

namespace korva {

// Status of one analysis run, as returned by IKORVA and by the command-line runner.
// 0, 1, 2, 4, 7 and 8 are the analysis' own outcomes; 11 and up are input and file failures,
// each with a message naming the file and, where known, the line.
enum RunStatus : int32_t {
    StatusNormal = 0,
    StatusBadRequest = 1,
    StatusTzBeyondProfile = 2,
    StatusQwBeyondProfile = 4,
    StatusDesignLoadNotReached = 7,
    // The soil profile, with the ignored bottom portion and the bell, reaches deeper than the
    // 503-ft per-depth tables: the run is refused before any slice is stored, with a message in
    // the report and the run notes.
    StatusProfileBeyondTables = 8,
    // The names file is missing or cannot be read, or one of its paths is longer than
    // kNamesFilePathWidth characters.
    StatusNamesFileMissing = 11,
    // The names file ends before its tenth line, or one of its lines cannot be read.
    StatusNamesFileIncomplete = 12,
    // The project data file is missing or cannot be read.
    StatusProjectFileUnreadable = 13,
    // An output or work file cannot be created, or an output name is the project data file.
    StatusOutputFileFailed = 14,
    // A record of the project data file has too few values, a word that is not a number (or
    // not an integer where an integer is due), or the file ends before its last record.
    StatusDeckFormatError = 15,
    // A count of the project data file is outside the engine's tables: more than 49 layers or
    // fewer than 0, more than 10 design-chart settlements.
    StatusDeckCountOutOfRange = 16,
    // A value of the project data file lies outside its physical range (DeckRanges.h), or a
    // layer bottom is not below the bottom of the layer above.
    StatusDeckValueOutOfRange = 17,
    // An unexpected failure inside the engine (for example, memory exhausted).
    StatusInternalFailure = 19,
};

// One sentence in words for a status value, for the command-line runner and run notes.
const char* describeRunStatus(int32_t status);

} // namespace korva
