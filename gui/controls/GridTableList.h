#pragma once

#include <vector>

namespace korva::gui {

class TGridTable;
class TGridTableRegistry;

// Ordered list of grid tables, filled from identifiers; an identifier that names no table
// gives an empty entry (nullptr). A table column keeps its templates in one.
class TGridTableList
{
  public:
    TGridTableList() = default;
    explicit TGridTableList(std::vector<const TGridTable*> tables) : fTables(std::move(tables)) {}
    static TGridTableList FromIdentifiers(const TGridTableRegistry& registry,
                                          const std::vector<int>& identifiers);

    int Count() const { return static_cast<int>(fTables.size()); }
    // Entry `index` (0-based), nullptr when empty or out of range.
    const TGridTable* At(int index) const;

  private:
    std::vector<const TGridTable*> fTables;
};

} // namespace korva::gui
