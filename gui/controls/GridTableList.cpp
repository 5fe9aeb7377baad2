#include "gui/controls/GridTableList.h"

#include "gui/controls/GridTableRegistry.h"

namespace korva::gui {

TGridTableList TGridTableList::FromIdentifiers(const TGridTableRegistry& registry,
                                               const std::vector<int>& identifiers)
{
    std::vector<const TGridTable*> tables;
    for (int identifier : identifiers)
        tables.push_back(registry.Find(identifier));
    return TGridTableList(std::move(tables));
}

const TGridTable* TGridTableList::At(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return fTables[static_cast<std::size_t>(index)];
}

} // namespace korva::gui
