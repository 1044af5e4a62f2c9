#pragma once

// What the engine was asked (its call record) and what it renders when asked directly, to compare
// with what the viewer's canvas shows.

#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/Host.h"
#include "tests/support/EngineJob.h"

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// Whether a call among `calls` begins with `entry` ("SetDotGainCurve(0, 0.25").
inline bool Called(const std::vector<std::string>& calls, const std::string& entry)
{
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& call) { return call.rfind(entry, 0) == 0; });
}

// The engine's pixels now for the arguments of the last "RenderPreview" among `calls` (as the
// engine's call record writes them); a null image when there is none.
inline QImage RenderedAgain(const hostsim::Host& host, const std::vector<std::string>& calls)
{
    const auto last = std::find_if(calls.rbegin(), calls.rend(),
                                   [](const std::string& call) { return call.rfind("RenderPreview", 0) == 0; });
    int top = 0, bottom = 0, left = 0, right = 0;
    double area[4] = {};
    if (last == calls.rend() || std::sscanf(last->c_str(), "RenderPreview(%d, %d, %d, %d, %lf, %lf, %lf, %lf)", &top,
                                            &bottom, &left, &right, &area[0], &area[1], &area[2], &area[3]) != 8)
        return QImage();
    QImage image(right - left, bottom - top, QImage::Format_RGB32);
    const HLKilnSuite* kiln = AcquireHostSuite<HLKilnSuite>(host);
    if (kiln == nullptr ||
        kiln->RenderPreview(top, bottom, left, right, area, reinterpret_cast<ASUInt32*>(image.bits())) != kNoErr)
        return QImage();
    return image;
}
