#pragma once
// The input echo at the head of the report: title, design value, site values, warnings of the
// reader, factors of safety, shaft data, multiple-length and design-chart settings. Values of
// the deck are in working units; lengths are shown in the project's units again.
#include "engine/deck/InputDeck.h"

#include <ostream>
#include <string>

namespace korva {

// Five blanks and the 72-character title (report and t-z report).
void writeTitleEcho(std::ostream& out, const std::string& title);

// Design load ("TOTAL LOAD =") or proposed depth ("PROPOSED DEPTH ="), uplift factor, number
// of layers and water-table depth, with the values as read (project units).
void writeSiteEcho(std::ostream& out, const InputDeck& deckAsRead);

// Shaft longer than the soil profile (report and run notes).
void writeShaftBeyondProfileWarning(std::ostream& out);

// A layer whose kind code is none of 1..9: it has a head record only.
void writeUnknownKindWarning(std::ostream& out, int layerNumber, float kind);

// Factors of safety of an ASD run (nothing in LRFD runs).
void writeFactorOfSafetyEcho(std::ostream& out, const InputDeck& deck);

// "INPUT DRILLED SHAFT INFORMATION" block.
void writeShaftEcho(std::ostream& out, const InputDeck& deck);

// "VARY SHAFT LENGTH FOR INITIAL DIAMETER" block (IPENT = 1) and "COMPUTATION OF LRFD CHARTS"
// block with the settlements (IChart = 1); nothing otherwise.
void writeMultipleLengthEcho(std::ostream& out, const InputDeck& deck);
void writeDesignChartEcho(std::ostream& out, const InputDeck& deck);

// "COMPUTATION RESULTS" heading that ends the input echo.
void writeResultsHeading(std::ostream& out);

// A failure that ends the run, with its message, framed for the report and run notes.
void writeRunFailure(std::ostream& out, const std::string& message);

} // namespace korva
