#pragma once

#include "viewer/model/UpdateGenState.h"

#include <cstdint>
#include <optional>

// What moves the job life cycle.
enum class UpdateGenEvent
{
    PanelCreated,
    NoDocument,         // no current document, or the panel's document closed
    JobTaken,           // a generation succeeded, or the engine pushed a job
    JobDropped,         // the engine refused or failed a generation, or another document is current
    JobDocumentAgain,   // the job's document is current again; the load type decides
    LoadTypePolled,     // the dirty-document timer's answer from the engine
};

// How the Generate/Update button and the "Generate" menu command show a state. Labels are
// resource keys; a null label leaves that text as it is.
struct UpdateGenLook
{
    const char* buttonLabel;
    const char* menuLabel;
    // True: the button (shown in the Expanded mode only) and the command are enabled; false: both
    // are disabled; none: both are left as they are.
    std::optional<bool> offered;
};

// Generate/Update as a table, free of widgets: the state an event leads to, and how each state
// looks. The Generate/Update section applies it.
class UpdateGenTable
{
public:
    static constexpr const char* kGenerateLabel = "Generate";
    static constexpr const char* kUpdateLabel = "Update";

    // The state after `event`; `loadType` is the engine's GetLoadType answer (1 up to date,
    // 2 changed, 3 released, anything else no job), read only for the events that ask for it.
    static UpdateGenState Next(UpdateGenEvent event, std::int32_t loadType);
    // DocumentChanged offers a regeneration, which needs the engine's generation suite: without
    // it the state is CanGenerate. Other states stay.
    static UpdateGenState Settle(UpdateGenState state, bool hasGeneration);
    // How `state` shows; `previewShown` (the canvas is enabled) makes DocumentChanged read
    // "Update". A value that is no state leaves everything.
    static UpdateGenLook Look(UpdateGenState state, bool previewShown);
};
