#pragma once
#include <array>
#include <string>

namespace korva::gui {

// The list of recently opened project files shown in the File menu: at most ten paths,
// most recent first.
class RecentFiles
{
  public:
    static constexpr int Capacity = 10;

    // Puts a just-opened file at the head. A file already at the head changes nothing; a file
    // found further down moves to the head and the entries above it move down one place; a
    // new file pushes every entry down and the tenth is dropped. Comparison is exact.
    void Add(const std::string& path);

    // Replaces entry index (0-based) as read from the settings; out-of-range indices are
    // ignored.
    void SetEntry(int index, const std::string& path);
    const std::string& Entry(int index) const;
    void Clear();

    // Number of non-empty entries.
    int Count() const;

    // Menu caption of entry index (0-based): its 1-based number, one blank and the path, the
    // path shortened by the current folder and its trailing separator when it begins with them.
    std::string MenuCaption(int index, const std::string& currentFolder) const;

  private:
    std::array<std::string, Capacity> PrevFile;
};

} // namespace korva::gui
