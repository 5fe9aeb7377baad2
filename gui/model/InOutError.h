#pragma once

#include <stdexcept>
#include <string>

namespace korva::gui {

// Failure of the project model and its files: a format error of the readers (project data
// file, plot data file), a file that cannot be written, a value that cannot be saved. The
// message is the text the user reads; line and item are the 1-based position of the offending
// word, 0 when the error has no position (end of file, a file that cannot be opened or
// written).
class EInOutError : public std::runtime_error
{
  public:
    explicit EInOutError(const std::string& message, int line = 0, int item = 0)
        : std::runtime_error(message), fLine(line), fItem(item)
    {
    }

    int Line() const { return fLine; }
    int Item() const { return fItem; }

  private:
    int fLine;
    int fItem;
};

} // namespace korva::gui
