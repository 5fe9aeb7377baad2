// The engine's reader of the names file. Only the reading: the paths a fuzzed names file
// holds may name any file of the machine, so no run is made from them.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "engine/run/RunFailure.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

namespace korva::fuzz {

int namesFile(const std::uint8_t* data, std::size_t size)
{
    const PrivateFolder folder;
    const std::filesystem::path file = folder.path() / kNamesFileName;
    writeFile(file, textOf(data, size));
    try {
        const RunFileNames names = readNamesFile(file, folder.path());
        if (names.versionText.size() != static_cast<std::size_t>(kVersionFieldWidth))
            finding("the version text is not 12 characters", names.versionText);
        for (const auto& path : names.outputFiles())
            if (path.string().size() > static_cast<std::size_t>(kNamesFilePathWidth))
                finding("a path longer than 255 characters was kept", path.string());
    } catch (const RunFailure& failure) {
        if (failure.status() != StatusNamesFileMissing &&
            failure.status() != StatusNamesFileIncomplete)
            finding("the names file failed with status " + std::to_string(failure.status()),
                    failure.what());
    }
    return 0;
}

} // namespace korva::fuzz
