#include "gui/controls/GridTableRegistry.h"

#include <algorithm>

#include "gui/controls/GridTable.h"

namespace korva::gui {

void TGridTableRegistry::Add(TGridTable* table)
{
    if (std::find(fTables.begin(), fTables.end(), table) == fTables.end())
        fTables.push_back(table);
}

void TGridTableRegistry::Remove(TGridTable* table)
{
    std::erase(fTables, table);
}

TGridTable* TGridTableRegistry::Find(int identifier) const
{
    if (identifier == 0)
        return nullptr;
    for (TGridTable* table : fTables)
        if (table->Identifier() == identifier)
            return table;
    return nullptr;
}

} // namespace korva::gui
