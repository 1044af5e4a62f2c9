#include "viewer/model/UpdateGenTable.h"

namespace {

// Load types of the engine's GetLoadType.
constexpr std::int32_t kUpToDate = 1;
constexpr std::int32_t kChanged = 2;
// A row for any load type.
constexpr std::int32_t kAnyLoadType = -1;

struct NextRow
{
    UpdateGenEvent event;
    std::int32_t loadType;
    UpdateGenState next;
};

// The first row of the event whose load type matches decides.
constexpr NextRow kNextRows[] = {
    {UpdateGenEvent::PanelCreated, kAnyLoadType, UpdateGenState::NoDocument},
    {UpdateGenEvent::NoDocument, kAnyLoadType, UpdateGenState::NoDocument},
    {UpdateGenEvent::JobTaken, kAnyLoadType, UpdateGenState::UpToDate},
    {UpdateGenEvent::JobDropped, kAnyLoadType, UpdateGenState::CanGenerate},
    {UpdateGenEvent::JobDocumentAgain, kUpToDate, UpdateGenState::UpToDate},
    {UpdateGenEvent::JobDocumentAgain, kAnyLoadType, UpdateGenState::DocumentChanged},
    {UpdateGenEvent::LoadTypePolled, kUpToDate, UpdateGenState::UpToDate},
    {UpdateGenEvent::LoadTypePolled, kChanged, UpdateGenState::DocumentChanged},
    {UpdateGenEvent::LoadTypePolled, kAnyLoadType, UpdateGenState::CanGenerate},
};

enum class Preview
{
    Any,
    Shown,
    None,
};

struct LookRow
{
    UpdateGenState state;
    Preview preview;
    UpdateGenLook look;
};

using T = UpdateGenTable;
constexpr LookRow kLookRows[] = {
    {UpdateGenState::NoDocument, Preview::Any, {nullptr, T::kGenerateLabel, false}},
    {UpdateGenState::CanGenerate, Preview::Any, {T::kGenerateLabel, T::kGenerateLabel, true}},
    {UpdateGenState::DocumentChanged, Preview::Shown, {T::kUpdateLabel, T::kUpdateLabel, true}},
    {UpdateGenState::DocumentChanged, Preview::None, {T::kGenerateLabel, T::kGenerateLabel, true}},
    {UpdateGenState::UpToDate, Preview::Any, {nullptr, nullptr, false}},
};

}  // namespace

UpdateGenState UpdateGenTable::Next(UpdateGenEvent event, std::int32_t loadType)
{
    for (const NextRow& row : kNextRows)
        if (row.event == event && (row.loadType == kAnyLoadType || row.loadType == loadType))
            return row.next;
    return UpdateGenState::NoDocument;
}

UpdateGenState UpdateGenTable::Settle(UpdateGenState state, bool hasGeneration)
{
    return state == UpdateGenState::DocumentChanged && !hasGeneration ? UpdateGenState::CanGenerate : state;
}

UpdateGenLook UpdateGenTable::Look(UpdateGenState state, bool previewShown)
{
    const Preview preview = previewShown ? Preview::Shown : Preview::None;
    for (const LookRow& row : kLookRows)
        if (row.state == state && (row.preview == Preview::Any || row.preview == preview))
            return row.look;
    return {nullptr, nullptr, std::nullopt};
}
