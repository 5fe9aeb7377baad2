#pragma once
// Reading of the project data file into the InputDeck: records in file order, defaults of the
// multiple-length and design-chart records, derived layer values, the shaft-against-profile
// check, shaft geometry rules and conversion of SI input to the working units. The opening
// lines of the report and of the t-z report are written while reading.
#include "engine/deck/DeckRecordReader.h"
#include "engine/deck/InputDeck.h"

#include <ostream>

namespace korva {

struct DeckEchoTargets
{
    std::ostream& report;
    std::ostream& runNotes;
    std::ostream& tzReport;
};

// Fills `deck` (which should be freshly constructed). Throws RunFailure with
// StatusDeckFormatError or StatusDeckCountOutOfRange when the file cannot be read; the values
// read up to then stay in `deck` and the echo written up to then stays in the files.
void readInputDeck(DeckRecordReader& reader, const DeckEchoTargets& echo, InputDeck& deck);

} // namespace korva
