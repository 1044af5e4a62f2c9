#pragma once

#include "viewer/model/JobCoordinates.h"

// What a proof file holds: a rectangle of the job, the resolution it is written at and the file
// format. Widget-free.
enum class ProofFormat
{
    Png,
    Tiff,
};

struct ProofRequest
{
    static constexpr int kMinimumPpi = 72;
    static constexpr int kMaximumPpi = 2400;
    static constexpr int kDefaultPpi = 300;

    JobRect area{};  // job millimetres
    int ppi = kDefaultPpi;
    ProofFormat format = ProofFormat::Png;
};
