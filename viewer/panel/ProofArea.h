#pragma once

// The part of the job a proof file holds, in the order the save dialog lists them.
enum class ProofArea
{
    WholeJob,
    ArtworkBounds,  // the engine's bounds of the artwork
    ShownView,      // the rectangle the canvas shows
};
