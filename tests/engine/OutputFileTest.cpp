#include "engine/run/RunFileNames.h"

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"

namespace korva {
namespace {

// A file written over in place ends exactly as a truncated and rewritten one: nothing of the
// earlier, longer contents survives, also when nothing at all is written.
TEST(OutputFile, WritingOverALongerFileLeavesOnlyTheNewText)
{
    test::TempFolder folder;
    const std::filesystem::path path = folder / "out.kv8o";
    const struct
    {
        std::string before;
        std::string after;
    } cases[] = {
        {std::string(100000, 'x'), "short report\n"},
        {"old text", "the new text is longer than the old one\n"},
        {std::string(5000, 'y'), ""},
        {"z", "a"},
    };
    for (const auto& c : cases) {
        test::writeText(path, c.before);
        std::ofstream out;
        ASSERT_TRUE(openOutputFile(out, path));
        out << c.after;
        closeOutputFile(out, path);
        EXPECT_EQ(test::readText(path), c.after) << c.before.size() << " bytes before";
    }
}

TEST(OutputFile, MissingFileIsCreatedAndUnwritableFolderReported)
{
    test::TempFolder folder;
    std::ofstream out;
    ASSERT_TRUE(openOutputFile(out, folder / "new.kv8p"));
    out << "data\n";
    closeOutputFile(out, folder / "new.kv8p");
    EXPECT_EQ(test::readText(folder / "new.kv8p"), "data\n");

    std::ofstream missing;
    EXPECT_FALSE(openOutputFile(missing, folder / "no folder" / "x.kv8p"));
    closeOutputFile(missing, folder / "no folder" / "x.kv8p"); // no effect on a closed stream
}

} // namespace
} // namespace korva
