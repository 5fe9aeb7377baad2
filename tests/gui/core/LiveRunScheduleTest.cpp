// The order of live analyses: one run at a time, the newest edit wins, out-of-date results
// are dropped, failures keep the last good results marked stale.
#include "gui/main/LiveRunSchedule.h"

#include <gtest/gtest.h>

using korva::gui::LiveResultState;
using korva::gui::LiveRunSchedule;

TEST(LiveRunSchedule, FirstEditStartsAtOnceAndItsResultIsShownLive)
{
    LiveRunSchedule schedule;
    EXPECT_EQ(schedule.State(), LiveResultState::None);
    EXPECT_EQ(schedule.StatusText(), "");
    const auto run = schedule.Edited();
    ASSERT_TRUE(run.has_value());
    EXPECT_TRUE(schedule.Running());
    EXPECT_TRUE(schedule.IsCurrent(*run));
    EXPECT_EQ(schedule.Ended(*run, true, ""), std::nullopt);
    EXPECT_FALSE(schedule.Running());
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
    EXPECT_EQ(schedule.StatusText(), "live, not saved");
}

TEST(LiveRunSchedule, EditsDuringARunAreCoalescedIntoOneRunOfTheNewest)
{
    LiveRunSchedule schedule;
    const auto first = schedule.Edited();
    ASSERT_TRUE(first);
    // Nine more edits in quick succession while the first run is in flight.
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(schedule.Edited(), std::nullopt);
    EXPECT_FALSE(schedule.IsCurrent(*first));
    // The first run's result is out of date: dropped, and the newest edit starts.
    const auto next = schedule.Ended(*first, true, "");
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, schedule.Newest());
    EXPECT_EQ(schedule.Dropped(), 1);
    EXPECT_EQ(schedule.State(), LiveResultState::None) << "a dropped run shows nothing";
    EXPECT_TRUE(schedule.Running());
    EXPECT_EQ(schedule.Ended(*next, true, ""), std::nullopt);
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
    EXPECT_FALSE(schedule.Running());
}

TEST(LiveRunSchedule, FailureKeepsTheLastResultsMarkedStaleUntilAGoodRun)
{
    LiveRunSchedule schedule;
    auto run = schedule.Edited();
    schedule.Ended(*run, true, "");
    run = schedule.Edited();
    schedule.Ended(*run, false, "The bottom layer is too shallow.");
    EXPECT_EQ(schedule.State(), LiveResultState::Stale);
    EXPECT_EQ(schedule.Reason(), "The bottom layer is too shallow.");
    EXPECT_NE(schedule.StatusText().find("The bottom layer is too shallow."), std::string::npos);
    EXPECT_NE(schedule.StatusText().find("stale"), std::string::npos);
    run = schedule.Edited();
    schedule.Ended(*run, true, "");
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
    EXPECT_EQ(schedule.Reason(), "");
    // Results with a note (an engine status other than 0) are live, the note beside them.
    run = schedule.Edited();
    schedule.Ended(*run, true, "Status 7: the design load is not reached");
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
    EXPECT_EQ(schedule.StatusText(), "live, not saved: Status 7: the design load is not reached");
}

TEST(LiveRunSchedule, AFailedRunThatIsOutOfDateDoesNotMarkAnythingStale)
{
    LiveRunSchedule schedule;
    auto run = schedule.Edited();
    schedule.Ended(*run, true, "");
    const auto failing = schedule.Edited();
    schedule.Edited(); // the user mends the value before the failing run ends
    const auto next = schedule.Ended(*failing, false, "engine stopped");
    ASSERT_TRUE(next);
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
    schedule.Ended(*next, true, "");
    EXPECT_EQ(schedule.State(), LiveResultState::Live);
}

TEST(LiveRunSchedule, ResetForgetsTheRunInFlightAndItsLateEnd)
{
    LiveRunSchedule schedule;
    auto run = schedule.Edited();
    schedule.Ended(*run, true, "");
    const auto inFlight = schedule.Edited();
    schedule.Reset();
    EXPECT_FALSE(schedule.Running());
    EXPECT_EQ(schedule.State(), LiveResultState::None);
    EXPECT_EQ(schedule.StatusText(), "");
    // The stopped run reports late: ignored, nothing starts, nothing is shown.
    EXPECT_EQ(schedule.Ended(*inFlight, true, ""), std::nullopt);
    EXPECT_EQ(schedule.State(), LiveResultState::None);
    // The next edit after the reset starts at once.
    const auto after = schedule.Edited();
    ASSERT_TRUE(after);
    EXPECT_TRUE(schedule.IsCurrent(*after));
}
