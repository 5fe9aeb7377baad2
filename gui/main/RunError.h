#pragma once
#include <stdexcept>
#include <string>

namespace korva::gui {

// Failure of the run control: the engine library cannot be loaded or looked into, or the
// names file cannot be written. The message is the text the user reads.
class ERunError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;

    // The library file exists but could not be loaded (not a loadable library, unresolved
    // symbols, a failing initialiser).
    static constexpr const char* InitFailed = "Library failed to properly initialize";
    // The library file exists but a library it depends on cannot be found.
    static constexpr const char* DependencyMissing = "Library could not be located";
    // A procedure was looked up in a library that is not loaded.
    static constexpr const char* NotOpen = "Library is not open";
};

} // namespace korva::gui
