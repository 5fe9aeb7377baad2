// The engine run from a project data file, in process, with every file of the run in a
// private folder. A run must end with one of its documented statuses, never with an internal
// failure, and write no number that is not finite.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "engine/NonFiniteText.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunStatus.h"

#include <algorithm>
#include <array>

namespace korva::fuzz {
namespace {

void eraseEvery(std::string& text, const std::string& part)
{
    if (part.empty())
        return;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
}

// The text of an output file without what the engine echoes from the deck as text rather
// than as numbers: the failure message (it quotes the offending word, "inf" is not a number),
// the title, and any other word it quotes. The message goes first: a title made of quotation
// marks would otherwise unpair the quotes of the message.
std::string withoutEchoedText(std::string text, const std::string& message,
                              const std::string& title)
{
    eraseEvery(text, message);
    eraseEvery(text, title);
    for (std::size_t open = text.find('"'); open != std::string::npos; open = text.find('"')) {
        const std::size_t close = text.find('"', open + 1);
        text.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
    }
    return text;
}

} // namespace

int engineDeck(const std::uint8_t* data, std::size_t size)
{
    const PrivateFolder folder;
    const std::filesystem::path project = folder.path() / "project.kv8d";
    writeFile(project, textOf(data, size));
    const RunFileNames names = runFileNamesForProject(project, kProgramVersionText);
    const RunOutcome outcome = runAnalysis(names);

    constexpr std::array<int32_t, 10> Documented = {StatusNormal,
                                                    StatusTzBeyondProfile,
                                                    StatusQwBeyondProfile,
                                                    StatusDesignLoadNotReached,
                                                    StatusProfileBeyondTables,
                                                    StatusProjectFileUnreadable,
                                                    StatusOutputFileFailed,
                                                    StatusDeckFormatError,
                                                    StatusDeckCountOutOfRange,
                                                    StatusDeckValueOutOfRange};
    if (std::find(Documented.begin(), Documented.end(), outcome.status) == Documented.end())
        finding("the run ended with status " + std::to_string(outcome.status), outcome.message);
    for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
        if (file.path() == project)
            continue;
        const std::string text =
            withoutEchoedText(readFile(file.path()), outcome.message, outcome.title);
        if (test::containsNonFiniteNumber(text))
            finding("a number that is not finite in " + file.path().filename().string(), text);
    }
    return 0;
}

} // namespace korva::fuzz
