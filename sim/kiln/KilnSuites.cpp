// "HL Kiln Suite", "HL KilnODL Suite" and "BSCDIAG Suite".

#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

#include <algorithm>

namespace kiln {
namespace {

// Entries that only record their calls.
constexpr char kSetTACLimit[] = "SetTACLimit";
constexpr char kSetFirstDot[] = "SetFirstDot";
constexpr char kSetFirstDotDarkening[] = "SetFirstDotDarkening";
constexpr char kSetDarkeningRange[] = "SetDarkeningRange";
constexpr char kSetDeviationDistance[] = "SetDeviationDistance";
constexpr char kSetShowRoundedDensities[] = "SetShowRoundedDensities";
constexpr char kSetMergeSimilarInks[] = "SetMergeSimilarInks";
constexpr char kSetMoireChecks[] = "SetMoireChecks";
constexpr char kApplyColorSettings[] = "ApplyColorSettings";
constexpr char kSetShowTechnicalInks[] = "SetShowTechnicalInks";
constexpr char kColorSettingsChanged[] = "ColorSettingsChanged";

// Releases the job; generation may follow while the engine is ready.
ASInt32 ResetSession()
{
    return Answered(CallText("ResetSession"), 0, [](Engine& engine) {
        engine.Jobs().ResetSession();
        return engine.Ready() ? 1 : 0;
    });
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

// Runs `answer` with the engine's job; kKilnNoJobError without one.
template <typename Answer>
ASErr WithJob(const CallText& call, Answer answer)
{
    return Answered(call, kKilnNotStartedError, [&](Engine& engine) {
        const Job* job = engine.Jobs().CurrentJob();
        return job ? answer(*job) : kKilnNoJobError;
    });
}

ASErr GetJobSize(double* height, double* width)
{
    return WithJob(CallText("GetJobSize"), [=](const Job& job) {
        if (!height || !width)
            return kKilnBadParameterError;
        *height = job.height;
        *width = job.width;
        return kNoErr;
    });
}

ASErr GetArtworkBounds(double bounds[4])
{
    return WithJob(CallText("GetArtworkBounds"), [=](const Job& job) {
        if (!bounds)
            return kKilnBadParameterError;
        const double written[4] = {job.artwork.left(), job.artwork.right(), job.artwork.top(), job.artwork.bottom()};
        std::copy(written, written + 4, bounds);
        return kNoErr;
    });
}

ASErr JobLoaded()
{
    return WithJob(CallText("JobLoaded"), [](const Job&) { return kNoErr; });
}

// A rendering setter: records the call, then `apply` changes the settings or refuses.
template <typename Apply>
ASErr SetRendering(const CallText& call, Apply apply)
{
    return Answered(call, kKilnNotStartedError,
                    [&](Engine& engine) { return apply(engine.Jobs().Settings()) ? kNoErr : kKilnBadParameterError; });
}

ASErr SetTrapLayerVisible(AIBoolean visible)
{
    return SetRendering(CallText("SetTrapLayerVisible").Int(visible), [=](RenderSettings& settings) {
        settings.trapsVisible = visible != 0;
        return true;
    });
}

ASErr SetImageQuality(ASInt32 quality)
{
    return SetRendering(CallText("SetImageQuality").Int(quality), [=](RenderSettings& settings) {
        settings.quality = quality;
        return true;
    });
}

ASErr SetAntialiasingMode(ASInt32 mode)
{
    return SetRendering(CallText("SetAntialiasingMode").Int(mode), [=](RenderSettings& settings) {
        if (mode != kAntialiasingOn && mode != kAntialiasingOff)
            return false;
        settings.antialiasing = mode == kAntialiasingOn;
        return true;
    });
}

ASErr SetDotGainCurve(double minimum, double at25, double at50, double at75, double maximum)
{
    CallText call("SetDotGainCurve");
    call.Real(minimum).Real(at25).Real(at50).Real(at75).Real(maximum);
    return SetRendering(call, [=](RenderSettings& settings) {
        return settings.dotGain.Set(minimum, at25, at50, at75, maximum);
    });
}

ASInt32 IsEngineReady()
{
    return Answered(CallText("IsEngineReady"), 0, [](Engine& engine) { return engine.Ready(); });
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
    return Answered(CallText("GetLoadType"), 0, [](Engine& engine) { return engine.Jobs().LoadType(); });
}


// Reserved positions are the empty braces.
const HLKilnSuite kKiln = {ResetSession,
                           {},
                           RenderPreview,
                           {},
                           GetJobSize,
                           {},
                           RecordOnly<kSetTACLimit, double>,
                           RecordOnly<kSetFirstDot, ASInt32>,
                           RecordOnly<kSetFirstDotDarkening, double>,
                           RecordOnly<kSetDarkeningRange, double>,
                           {},
                           RecordOnly<kSetDeviationDistance, double>,
                           {},
                           GetArtworkBounds,
                           JobLoaded,
                           SetTrapLayerVisible,
                           SetImageQuality,
                           RecordOnly<kSetShowRoundedDensities, AIBoolean>,
                           {},
                           SetAntialiasingMode,
                           {},
                           RecordOnly<kSetMergeSimilarInks, ASInt32>,
                           IsEngineReady,
                           {},
                           RecordOnly<kSetMoireChecks, AIBoolean, AIBoolean, AIBoolean, AIBoolean, AIBoolean, float,
                                      AIBoolean, float, AIBoolean, float, float>,
                           SetDotGainCurve,
                           {},
                           RecordOnly<kApplyColorSettings>,
                           {},
                           RecordOnly<kSetShowTechnicalInks, AIBoolean>};
const HLKilnODLSuite kKilnODL = {RunGeneration, ResultSucceeded, ReleaseResult, GetResultMessage, GetLoadType, {},
                                 RecordOnly<kColorSettingsChanged>};
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
