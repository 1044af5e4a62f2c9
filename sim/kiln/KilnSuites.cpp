// "HL Kiln Suite", "HL KilnODL Suite" and "BSCDIAG Suite".

#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

namespace kiln {
namespace {

// Entries that only record their calls.
constexpr char kSetTACLimit[] = "SetTACLimit";
constexpr char kSetFirstDot[] = "SetFirstDot";
constexpr char kSetFirstDotDarkening[] = "SetFirstDotDarkening";
constexpr char kSetDarkeningRange[] = "SetDarkeningRange";
constexpr char kSetDeviationDistance[] = "SetDeviationDistance";
constexpr char kJobLoaded[] = "JobLoaded";
constexpr char kSetTrapLayerVisible[] = "SetTrapLayerVisible";
constexpr char kSetImageQuality[] = "SetImageQuality";
constexpr char kSetShowRoundedDensities[] = "SetShowRoundedDensities";
constexpr char kSetAntialiasingMode[] = "SetAntialiasingMode";
constexpr char kSetMergeSimilarInks[] = "SetMergeSimilarInks";
constexpr char kSetMoireChecks[] = "SetMoireChecks";
constexpr char kSetDotGainCurve[] = "SetDotGainCurve";
constexpr char kApplyColorSettings[] = "ApplyColorSettings";
constexpr char kSetShowTechnicalInks[] = "SetShowTechnicalInks";
constexpr char kColorSettingsChanged[] = "ColorSettingsChanged";

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
    return Answered(CallText("GetLoadType"), 0, [](Engine& engine) { return engine.Jobs().Answers().loadType; });
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
                           RecordOnly<kJobLoaded>,
                           RecordOnly<kSetTrapLayerVisible, AIBoolean>,
                           RecordOnly<kSetImageQuality, ASInt32>,
                           RecordOnly<kSetShowRoundedDensities, AIBoolean>,
                           {},
                           RecordOnly<kSetAntialiasingMode, ASInt32>,
                           {},
                           RecordOnly<kSetMergeSimilarInks, ASInt32>,
                           IsEngineReady,
                           {},
                           RecordOnly<kSetMoireChecks, AIBoolean, AIBoolean, AIBoolean, AIBoolean, AIBoolean, float,
                                      AIBoolean, float, AIBoolean, float, float>,
                           RecordOnly<kSetDotGainCurve, double, double, double, double, double>,
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
