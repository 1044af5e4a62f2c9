// "HL Kiln Suite", "HL KilnODL Suite" and "BSCDIAG Suite".

#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

namespace kiln {
namespace {

ASInt32 ResetSession()
{
    return Answered(CallText("ResetSession"), 0, [](Engine& engine) { return engine.Jobs().Answers().sessionResult; });
}

CallText& Area(CallText& call, const double area[4])
{
    if (!area)
        return call.Word("null");
    for (int i = 0; i < 4; ++i)
        call.Real(area[i]);
    return call;
}

ASErr RenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4], ASUInt32* pixels)
{
    CallText call("RenderPreview");
    call.Int(top).Int(bottom).Int(left).Int(right);
    return Answered(Area(call, area), kKilnNotStartedError,
                    [&](Engine& engine) { return engine.Jobs().RenderPreview(top, bottom, left, right, area, pixels); });
}

ASErr GetJobSize(double* height, double* width)
{
    return Answered(CallText("GetJobSize"), kKilnNotStartedError, [=](Engine& engine) {
        if (!height || !width)
            return kKilnBadParameterError;
        *height = engine.Jobs().Answers().jobHeight;
        *width = engine.Jobs().Answers().jobWidth;
        return kNoErr;
    });
}

ASErr SetTACLimit(double limit)
{
    return Recorded(CallText("SetTACLimit").Real(limit));
}

ASErr SetFirstDot(ASInt32 firstDot)
{
    return Recorded(CallText("SetFirstDot").Int(firstDot));
}

ASErr SetFirstDotDarkening(double darkening)
{
    return Recorded(CallText("SetFirstDotDarkening").Real(darkening));
}

ASErr SetDarkeningRange(double range)
{
    return Recorded(CallText("SetDarkeningRange").Real(range));
}

ASErr SetDeviationDistance(double distance)
{
    return Recorded(CallText("SetDeviationDistance").Real(distance));
}

ASErr GetArtworkBounds(double bounds[4])
{
    return Answered(CallText("GetArtworkBounds"), kKilnNotStartedError, [=](Engine& engine) {
        if (!bounds)
            return kKilnBadParameterError;
        for (int i = 0; i < 4; ++i)
            bounds[i] = engine.Jobs().Answers().artworkBounds[i];
        return kNoErr;
    });
}

ASErr JobLoaded()
{
    return Recorded(CallText("JobLoaded"));
}

ASErr SetTrapLayerVisible(AIBoolean visible)
{
    return Recorded(CallText("SetTrapLayerVisible").Int(visible));
}

ASErr SetImageQuality(ASInt32 quality)
{
    return Recorded(CallText("SetImageQuality").Int(quality));
}

ASErr SetShowRoundedDensities(AIBoolean show)
{
    return Recorded(CallText("SetShowRoundedDensities").Int(show));
}

ASErr SetAntialiasingMode(ASInt32 mode)
{
    return Recorded(CallText("SetAntialiasingMode").Int(mode));
}

ASErr SetMergeSimilarInks(ASInt32 merge)
{
    return Recorded(CallText("SetMergeSimilarInks").Int(merge));
}

ASInt32 IsEngineReady()
{
    return Answered(CallText("IsEngineReady"), 0, [](Engine& engine) { return engine.Ready(); });
}

ASErr SetMoireChecks(AIBoolean checkAngleDifference30, AIBoolean checkSameAngles, AIBoolean checkDifferentRulings,
                     AIBoolean checkDifferentDotshape, AIBoolean excludeMinDensity, float minDensity,
                     AIBoolean excludeMaxDensity, float maxDensity, AIBoolean excludeMaxLuminance, float maxLuminance,
                     float lastLimit)
{
    return Recorded(CallText("SetMoireChecks")
                        .Int(checkAngleDifference30)
                        .Int(checkSameAngles)
                        .Int(checkDifferentRulings)
                        .Int(checkDifferentDotshape)
                        .Int(excludeMinDensity)
                        .Single(minDensity)
                        .Int(excludeMaxDensity)
                        .Single(maxDensity)
                        .Int(excludeMaxLuminance)
                        .Single(maxLuminance)
                        .Single(lastLimit));
}

ASErr SetDotGainCurve(double minimum, double at25, double at50, double at75, double maximum)
{
    return Recorded(CallText("SetDotGainCurve").Real(minimum).Real(at25).Real(at50).Real(at75).Real(maximum));
}

ASErr ApplyColorSettings()
{
    return Recorded(CallText("ApplyColorSettings"));
}

ASErr SetShowTechnicalInks(AIBoolean show)
{
    return Recorded(CallText("SetShowTechnicalInks").Int(show));
}

HLKilnResultHandle RunGeneration()
{
    return Answered(CallText("RunGeneration"), HLKilnResultHandle{},
                    [](Engine& engine) { return engine.Jobs().RunGeneration(); });
}

CallText ResultCall(const char* entry, HLKilnResultHandle result)
{
    CallText call(entry);
    if (Engine* engine = Engine::Current())
        call.Word(engine->Jobs().Describe(result));
    return call;
}

ASInt32 ResultSucceeded(HLKilnResultHandle result)
{
    return Answered(ResultCall("ResultSucceeded", result), 0,
                    [=](Engine& engine) { return engine.Jobs().Succeeded(result); });
}

ASErr ReleaseResult(HLKilnResultHandle result)
{
    return Answered(ResultCall("ReleaseResult", result), kKilnNotStartedError, [=](Engine& engine) {
        return engine.Jobs().Release(result) ? kNoErr : kKilnUnknownHandleError;
    });
}

ASErr GetResultMessage(HLKilnResultHandle result, char* buffer, ASInt32 size)
{
    return Answered(ResultCall("GetResultMessage", result).Int(size), kKilnNotStartedError, [=](Engine& engine) {
        const std::string* message = engine.Jobs().Message(result);
        if (!message)
            return kKilnUnknownHandleError;
        return WriteText(*message, buffer, size) ? kNoErr : kKilnBadParameterError;
    });
}

ASInt32 GetLoadType()
{
    return Answered(CallText("GetLoadType"), 0, [](Engine& engine) { return engine.Jobs().Answers().loadType; });
}

ASErr ColorSettingsChanged()
{
    return Recorded(CallText("ColorSettingsChanged"));
}

// Reserved positions are the empty braces.
const HLKilnSuite kKiln = {ResetSession,
                           {},
                           RenderPreview,
                           {},
                           GetJobSize,
                           {},
                           SetTACLimit,
                           SetFirstDot,
                           SetFirstDotDarkening,
                           SetDarkeningRange,
                           {},
                           SetDeviationDistance,
                           {},
                           GetArtworkBounds,
                           JobLoaded,
                           SetTrapLayerVisible,
                           SetImageQuality,
                           SetShowRoundedDensities,
                           {},
                           SetAntialiasingMode,
                           {},
                           SetMergeSimilarInks,
                           IsEngineReady,
                           {},
                           SetMoireChecks,
                           SetDotGainCurve,
                           {},
                           ApplyColorSettings,
                           {},
                           SetShowTechnicalInks};
const HLKilnODLSuite kKilnODL = {RunGeneration, ResultSucceeded, ReleaseResult, GetResultMessage, GetLoadType, {},
                                 ColorSettingsChanged};
const BSCDIAGSuite kDiagnostics = {};

}  // namespace

const HLKilnSuite& KilnSuiteTable()
{
    return kKiln;
}

const HLKilnODLSuite& KilnODLSuiteTable()
{
    return kKilnODL;
}

const BSCDIAGSuite& DiagnosticsSuiteTable()
{
    return kDiagnostics;
}

}  // namespace kiln
