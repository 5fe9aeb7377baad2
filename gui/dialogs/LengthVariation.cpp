#include "gui/dialogs/LengthVariation.h"

#include "gui/controls/DataEdit.h"
#include "gui/dialogs/DataWindow.h"

#include <QGridLayout>
#include <QLabel>

namespace korva::gui {

TLengthVariation TLengthVariation::Add(TDataWindow& window, QGridLayout* grid, int row,
                                       const char* minimumDefault, int increments)
{
    TLengthVariation fields{};
    auto note = [&](const QString& text, int r, int column) {
        auto* label = new QLabel(text, &window);
        grid->addWidget(label, r, column);
        return label;
    };
    fields.Maximum = window.AddField(grid, row, "Maximum shaft &length ", "L2", "PD");
    fields.Notes[0] = note("* Should be at least 6 diameters ", row, 2);
    fields.Notes[1] = note("   plus any exclusion zone defined.", row + 1, 2);
    fields.Minimum = window.AddField(grid, row + 2, "Minimum &shaft length ", "L2", "PDMIN");
    fields.Notes[2] = note(minimumDefault, row + 2, 2);
    fields.Increment = window.AddField(grid, row + 3, "Shaft length increment", "L2", "PDINCR");
    fields.Notes[3] = note(QString("* A maximum of %1 increments").arg(increments), row + 3, 2);
    fields.Notes[4] = note("  will be considered.", row + 4, 2);
    return fields;
}

void TLengthVariation::SetEnabled(bool enabled) const
{
    for (TDataEdit* field : {Maximum, Minimum, Increment})
        field->setEnabled(enabled);
    for (QWidget* note : Notes)
        note->setEnabled(enabled);
}

} // namespace korva::gui
