#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace korva::gui {

// What the result windows show while live results are on.
enum class LiveResultState {
    None,  // no live run has ended yet: the results of the last Run Analysis, if any
    Live,  // the results of the project as it is in memory, not saved
    Stale, // the last good results, older than the project; Reason() says why
};

// The order of live analyses, without any process or window: every stored edit makes a new
// revision of the project; at most one analysis runs at a time; an edit stored while one runs
// waits, and only the newest waiting edit is analysed when the run ends (the edits in between
// are covered by it). A run whose revision is no longer the newest is dropped, never shown.
class LiveRunSchedule
{
  public:
    using Revision = std::uint64_t;

    // An edit was stored into the project. Returns the revision to analyse now, or nothing
    // while a run is in flight (the newest edit is started when that run ends).
    std::optional<Revision> Edited();

    // True while `revision` is the newest one: its results may be shown.
    bool IsCurrent(Revision revision) const { return revision == fRevision; }

    // The run of `revision` ended: `succeeded` with results that were read (`reason` then is a
    // note on them, such as an engine status other than 0, or empty), otherwise with `reason`
    // (profile check refused, engine failed or stopped, plot data unreadable).
    // Returns the revision to analyse next when edits arrived meanwhile. The result of an
    // out-of-date run changes nothing that is shown.
    std::optional<Revision> Ended(Revision revision, bool succeeded, const std::string& reason);

    // Live results turned off or another project opened: the run in flight (the caller stops
    // it) and every waiting edit are forgotten, nothing live is shown any more.
    void Reset();

    bool Running() const { return fRunning.has_value(); }
    Revision Newest() const { return fRevision; }
    LiveResultState State() const { return fState; }
    const std::string& Reason() const { return fReason; }
    // Runs whose results were dropped because a newer edit had arrived.
    int Dropped() const { return fDropped; }

    // The status bar text: "live, not saved" for live results (with the note on them after a
    // colon), the reason and a note that the plots are stale after a failure, empty otherwise.
    std::string StatusText() const;

  private:
    Revision fRevision = 0;
    std::optional<Revision> fRunning;
    LiveResultState fState = LiveResultState::None;
    std::string fReason;
    int fDropped = 0;
};

} // namespace korva::gui
