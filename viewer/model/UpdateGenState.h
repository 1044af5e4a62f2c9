#pragma once

#include <cstdint>

// Where the job life cycle stands; the Generate/Update button and the "Generate" menu command
// follow it. Other values can be stored and change nothing else.
enum class UpdateGenState : std::int32_t
{
    NoDocument = 0,       // button and command disabled, command reads "Generate"
    CanGenerate = 1,      // "Generate", enabled
    DocumentChanged = 3,  // "Update" while a preview is shown, else "Generate"; enabled
    UpToDate = 5,         // the preview is current, or a job was just taken in: disabled
};
