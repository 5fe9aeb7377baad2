#pragma once

#include <vector>

namespace korva::gui {

class TGridTable;

// The list of all grid tables of one project, under which templates are found by their
// identifiers. A table registers itself on creation and removes itself on destruction.
// Identifier 0 means "no identifier" and is never found.
class TGridTableRegistry
{
  public:
    TGridTableRegistry() = default;
    TGridTableRegistry(const TGridTableRegistry&) = delete;
    TGridTableRegistry& operator=(const TGridTableRegistry&) = delete;

    void Add(TGridTable* table);
    void Remove(TGridTable* table);
    // The registered table with this identifier, nullptr when none (or identifier 0).
    TGridTable* Find(int identifier) const;
    const std::vector<TGridTable*>& Tables() const { return fTables; }

  private:
    std::vector<TGridTable*> fTables;
};

} // namespace korva::gui
