#pragma once
// The one way a run ends early: a failure with its status. Either it carries the message the
// user still has to read (written framed into the report and the run notes, and, from the
// command line, to standard error), or the stage that ended the run has already written its
// reasons into the report and the run notes in its own words (a design load never reached, a
// profile beyond the per-depth tables, a curve below the strength profile).
#include <cstdint>
#include <stdexcept>
#include <string>

namespace korva {

class RunFailure : public std::runtime_error
{
  public:
    RunFailure(int32_t status, const std::string& message)
        : std::runtime_error(message), status_(status)
    {
    }
    // An end whose reasons are already in the report and the run notes.
    static RunFailure reported(int32_t status) { return RunFailure(status); }

    int32_t status() const noexcept { return status_; }
    bool alreadyReported() const noexcept { return alreadyReported_; }

  private:
    explicit RunFailure(int32_t status)
        : std::runtime_error(std::string()), status_(status), alreadyReported_(true)
    {
    }

    int32_t status_;
    bool alreadyReported_ = false;
};

} // namespace korva
