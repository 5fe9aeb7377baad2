#include "gui/main/LiveRunSchedule.h"

namespace korva::gui {

std::optional<LiveRunSchedule::Revision> LiveRunSchedule::Edited()
{
    ++fRevision;
    if (fRunning)
        return std::nullopt;
    fRunning = fRevision;
    return fRevision;
}

std::optional<LiveRunSchedule::Revision> LiveRunSchedule::Ended(Revision revision, bool succeeded,
                                                                const std::string& reason)
{
    // A run that is not the one in flight (stopped by a reset) leaves everything as it is.
    if (!fRunning || *fRunning != revision)
        return std::nullopt;
    fRunning.reset();
    if (revision != fRevision) {
        ++fDropped;
        fRunning = fRevision;
        return fRevision;
    }
    fState = succeeded ? LiveResultState::Live : LiveResultState::Stale;
    fReason = reason;
    return std::nullopt;
}

void LiveRunSchedule::Reset()
{
    ++fRevision;
    fRunning.reset();
    fState = LiveResultState::None;
    fReason.clear();
}

std::string LiveRunSchedule::StatusText() const
{
    switch (fState) {
    case LiveResultState::None:
        return {};
    case LiveResultState::Live:
        return fReason.empty() ? "live, not saved" : "live, not saved: " + fReason;
    case LiveResultState::Stale:
        return fReason + (fReason.empty() ? "" : " ") +
               "The plots shown are stale: they belong to an earlier state of the project.";
    }
    return {};
}

} // namespace korva::gui
