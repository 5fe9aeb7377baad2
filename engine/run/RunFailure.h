#pragma once
// The one error type of the engine: a failure that ends a run early with its status and the
// message the user reads in the run notes (and, from the command line, on standard error).
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
    int32_t status() const noexcept { return status_; }

  private:
    int32_t status_;
};

} // namespace korva
