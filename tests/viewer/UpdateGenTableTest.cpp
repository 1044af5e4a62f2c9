// The Generate/Update table on its own: the state each event leads to, and how each state shows.

#include "viewer/model/UpdateGenTable.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using State = UpdateGenState;
using Event = UpdateGenEvent;

TEST(UpdateGenTableTest, EachEventAndLoadTypeLeadsToItsState)
{
    const std::tuple<Event, std::int32_t, State> rows[] = {
        {Event::PanelCreated, 2, State::NoDocument},
        {Event::NoDocument, 1, State::NoDocument},
        {Event::JobTaken, 2, State::UpToDate},
        {Event::JobDropped, 1, State::CanGenerate},
        // Back at the job's document: the engine says whether the job is still current.
        {Event::JobDocumentAgain, 1, State::UpToDate},
        {Event::JobDocumentAgain, 2, State::DocumentChanged},
        {Event::JobDocumentAgain, 0, State::DocumentChanged},
        // The timer: up to date, changed, released, no job.
        {Event::LoadTypePolled, 1, State::UpToDate},
        {Event::LoadTypePolled, 2, State::DocumentChanged},
        {Event::LoadTypePolled, 3, State::CanGenerate},
        {Event::LoadTypePolled, 0, State::CanGenerate},
        {Event::LoadTypePolled, -1, State::CanGenerate},
    };
    for (const auto& [event, loadType, next] : rows)
        EXPECT_EQ(UpdateGenTable::Next(event, loadType), next)
            << "event " << static_cast<int>(event) << ", load type " << loadType;
}

// Only an offer of "Update" needs the engine's generation suite.
TEST(UpdateGenTableTest, WithoutTheGenerationSuiteAChangedDocumentOffersGenerate)
{
    for (const State state : {State::NoDocument, State::CanGenerate, State::DocumentChanged, State::UpToDate})
        EXPECT_EQ(UpdateGenTable::Settle(state, true), state) << static_cast<int>(state);
    EXPECT_EQ(UpdateGenTable::Settle(State::DocumentChanged, false), State::CanGenerate);
    EXPECT_EQ(UpdateGenTable::Settle(State::UpToDate, false), State::UpToDate);
}

// Labels as text ("-" for a label left alone) and the offer ('+' enabled, '-' disabled, '='
// left alone), button and menu command.
TEST(UpdateGenTableTest, EachStateShowsItsLabelsAndEnabling)
{
    const auto text = [](const char* label) { return std::string(label != nullptr ? label : "-"); };
    const auto offer = [](const std::optional<bool>& offered) { return !offered ? '=' : *offered ? '+' : '-'; };
    const std::tuple<State, bool, const char*, const char*, char> rows[] = {
        {State::NoDocument, true, "-", "Generate", '-'},
        {State::NoDocument, false, "-", "Generate", '-'},
        {State::CanGenerate, true, "Generate", "Generate", '+'},
        {State::CanGenerate, false, "Generate", "Generate", '+'},
        {State::DocumentChanged, true, "Update", "Update", '+'},
        {State::DocumentChanged, false, "Generate", "Generate", '+'},
        {State::UpToDate, true, "-", "-", '-'},
        {State::UpToDate, false, "-", "-", '-'},
        {static_cast<State>(2), true, "-", "-", '='},
        {static_cast<State>(7), false, "-", "-", '='},
    };
    for (const auto& [state, previewShown, button, menu, offered] : rows) {
        const UpdateGenLook look = UpdateGenTable::Look(state, previewShown);
        EXPECT_EQ(std::make_tuple(text(look.buttonLabel), text(look.menuLabel), offer(look.offered)),
                  std::make_tuple(std::string(button), std::string(menu), offered))
            << "state " << static_cast<int>(state) << (previewShown ? " over a preview" : "");
    }
}

}  // namespace
