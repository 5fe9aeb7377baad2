#include "gui/main/RecentFiles.h"

namespace korva::gui {

void RecentFiles::Add(const std::string& path)
{
    if (PrevFile[0] == path)
        return;
    int found = Capacity - 1; // a new file drops the last entry
    for (int i = 1; i < Capacity; ++i) {
        if (PrevFile[i] == path) {
            found = i;
            break;
        }
    }
    for (int i = found; i > 0; --i)
        PrevFile[i] = PrevFile[i - 1];
    PrevFile[0] = path;
}

void RecentFiles::SetEntry(int index, const std::string& path)
{
    if (index >= 0 && index < Capacity)
        PrevFile[index] = path;
}

const std::string& RecentFiles::Entry(int index) const
{
    static const std::string none;
    if (index < 0 || index >= Capacity)
        return none;
    return PrevFile[index];
}

void RecentFiles::Clear()
{
    for (auto& entry : PrevFile)
        entry.clear();
}

int RecentFiles::Count() const
{
    int count = 0;
    for (const auto& entry : PrevFile)
        if (!entry.empty())
            ++count;
    return count;
}

std::string RecentFiles::MenuCaption(int index, const std::string& currentFolder) const
{
    std::string path = Entry(index);
    if (!currentFolder.empty()) {
        std::string prefix = currentFolder;
        if (prefix.back() != '/')
            prefix += '/';
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0)
            path = path.substr(prefix.size());
    }
    return std::to_string(index + 1) + " " + path;
}

} // namespace korva::gui
