#pragma once

#include <stdexcept>
#include <string>

// Format error of the file readers (project data file, plot data file). The message is the
// text the user reads; line and item are the 1-based position of the offending word, 0 when
// the error has no position (end of file, file that cannot be opened).
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
