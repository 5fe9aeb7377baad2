#pragma once

class QGridLayout;
class QWidget;

namespace korva::gui {

class TDataEdit;
class TDataWindow;

// The shaft length fields of the multiple-length and design-chart windows: maximum length
// PD, minimum length PDMIN and length increment PDINCR, each with its notes, from `row` on.
struct TLengthVariation
{
    TDataEdit* Maximum;
    TDataEdit* Minimum;
    TDataEdit* Increment;
    // The notes, enabled with the fields.
    QWidget* Notes[5];

    // minimumDefault: the note of the minimum length's default; increments: the largest number
    // of length increments the analysis considers.
    static TLengthVariation Add(TDataWindow& window, QGridLayout* grid, int row,
                                const char* minimumDefault, int increments);
    void SetEnabled(bool enabled) const;
};

} // namespace korva::gui
