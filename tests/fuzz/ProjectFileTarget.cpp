// The desktop program's project file reader in its three layouts (current, previous, old),
// then the writer on whatever was read: a format error is reported, never a crash, and a
// project that was read can be composed for saving again.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "gui/model/ProgramData.h"
#include "gui/model/ProjectFile.h"

#include <stdexcept>

namespace korva::fuzz {

using namespace korva::gui;

int projectFile(const std::uint8_t* data, std::size_t size)
{
    const PrivateFolder folder;
    const std::filesystem::path file = folder.path() / "project.kv8d";
    writeFile(file, textOf(data, size));
    for (int filter : {1, 2, 3}) {
        TProjectReadResult read = TProgramData::CreateFromFile(file, filter);
        if (!read.Project)
            finding("no project after reading");
        read.Project->FileName = (folder.path() / "saved.kv8d").string();
        try {
            (void)ComposeProjectFile(*read.Project);
        } catch (const std::invalid_argument&) {
            // a value that is not a finite number is refused by the writer
        }
    }
    return 0;
}

} // namespace korva::fuzz
