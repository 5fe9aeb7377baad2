// The word reader, driven by a sequence of operations: the first byte gives their count, the
// next bytes the operations, the rest is the file's text.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "gui/model/WordReader.h"

namespace korva::fuzz {

using namespace korva::gui;

int wordReader(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t operations = std::min<std::size_t>(data[0], size - 1);
    const std::string text = textOf(data + 1 + operations, size - 1 - operations);
    TWordReader reader = TWordReader::FromText(text);
    const int lines = reader.GetLineCount();
    for (std::size_t i = 0; i < operations; ++i) {
        try {
            switch (data[1 + i] % 10) {
            case 0:
                (void)reader.ReadWord();
                break;
            case 1:
                (void)reader.ReadInteger();
                break;
            case 2:
                (void)reader.ReadFloat();
                break;
            case 3:
                (void)reader.ReadWords();
                break;
            case 4:
                (void)reader.ReadLine();
                break;
            case 5:
                (void)reader.PeekLine();
                break;
            case 6:
                (void)reader.CountWordsLine();
                break;
            case 7:
                reader.SkipRestOfLine();
                break;
            case 8:
                (void)reader.RemainingWords();
                (void)reader.GetCurrentLineWordCount();
                break;
            default:
                (void)reader.GetWordCount(data[1 + i] % (lines + 1));
                break;
            }
        } catch (const EInOutError&) {
            // format errors are the reader's answer to a file that does not hold what is asked
        }
        if (reader.Line() < 0 || reader.Line() > lines || reader.Item() < 0)
            finding("the reader's position left the file");
    }
    return 0;
}

} // namespace korva::fuzz
