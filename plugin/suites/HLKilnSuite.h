#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "HL Kiln Suite" 11: the engine's preview job and rendering settings. Job coordinates are
// millimetres from the page's top-left corner, y downwards. Results of setters are ignored.
// Host UI thread.
struct HLKilnSuite
{
    static constexpr const char* kName = "HL Kiln Suite";
    static constexpr ASInt32 kVersion = 11;

    ASInt32 (*ResetSession)();  // 0 when no generation may follow
    SuiteReserved reserved1To2[2];
    // Renders the job rectangle `area` (x0, x1, y0, y1) into the device-pixel rectangle; `pixels`
    // holds (right - left) x (bottom - top) 0xffRRGGBB values, filled row by row from the top.
    ASErr (*RenderPreview)(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                           ASUInt32* pixels);
    SuiteReserved reserved4To7[4];
    ASErr (*GetJobSize)(double* height, double* width);
    SuiteReserved reserved9To10[2];
    ASErr (*SetTACLimit)(double limit);
    ASErr (*SetFirstDot)(ASInt32 firstDot);
    ASErr (*SetFirstDotDarkening)(double darkening);
    ASErr (*SetDarkeningRange)(double range);
    SuiteReserved reserved15To17[3];
    ASErr (*SetDeviationDistance)(double distance);
    SuiteReserved reserved19To21[3];
    ASErr (*GetArtworkBounds)(double bounds[4]);  // x0, x1, y0, y1
    ASErr (*JobLoaded)();
    ASErr (*SetTrapLayerVisible)(AIBoolean visible);
    ASErr (*SetImageQuality)(ASInt32 quality);
    ASErr (*SetShowRoundedDensities)(AIBoolean show);
    SuiteReserved reserved27;
    ASErr (*SetAntialiasingMode)(ASInt32 mode);
    SuiteReserved reserved29;
    ASErr (*SetMergeSimilarInks)(ASInt32 merge);
    ASInt32 (*IsEngineReady)();  // 0 when the engine is unusable
    SuiteReserved reserved32To39[8];
    // `lastLimit` is always 25.0.
    ASErr (*SetMoireChecks)(AIBoolean checkAngleDifference30, AIBoolean checkSameAngles,
                            AIBoolean checkDifferentRulings, AIBoolean checkDifferentDotshape,
                            AIBoolean excludeMinDensity, float minDensity, AIBoolean excludeMaxDensity,
                            float maxDensity, AIBoolean excludeMaxLuminance, float maxLuminance,
                            float lastLimit);
    // Dot gains as fractions; all 0.0 select the engine's automatic curve.
    ASErr (*SetDotGainCurve)(double minimum, double at25, double at50, double at75, double maximum);
    SuiteReserved reserved42;
    ASErr (*ApplyColorSettings)();
    SuiteReserved reserved44;
    ASErr (*SetShowTechnicalInks)(AIBoolean show);
};
HL_SUITE_ENTRY(HLKilnSuite, ResetSession, 0);
HL_SUITE_ENTRY(HLKilnSuite, RenderPreview, 3);
HL_SUITE_ENTRY(HLKilnSuite, GetJobSize, 8);
HL_SUITE_ENTRY(HLKilnSuite, SetTACLimit, 11);
HL_SUITE_ENTRY(HLKilnSuite, SetFirstDot, 12);
HL_SUITE_ENTRY(HLKilnSuite, SetFirstDotDarkening, 13);
HL_SUITE_ENTRY(HLKilnSuite, SetDarkeningRange, 14);
HL_SUITE_ENTRY(HLKilnSuite, SetDeviationDistance, 18);
HL_SUITE_ENTRY(HLKilnSuite, GetArtworkBounds, 22);
HL_SUITE_ENTRY(HLKilnSuite, JobLoaded, 23);
HL_SUITE_ENTRY(HLKilnSuite, SetTrapLayerVisible, 24);
HL_SUITE_ENTRY(HLKilnSuite, SetImageQuality, 25);
HL_SUITE_ENTRY(HLKilnSuite, SetShowRoundedDensities, 26);
HL_SUITE_ENTRY(HLKilnSuite, SetAntialiasingMode, 28);
HL_SUITE_ENTRY(HLKilnSuite, SetMergeSimilarInks, 30);
HL_SUITE_ENTRY(HLKilnSuite, IsEngineReady, 31);
HL_SUITE_ENTRY(HLKilnSuite, SetMoireChecks, 40);
HL_SUITE_ENTRY(HLKilnSuite, SetDotGainCurve, 41);
HL_SUITE_ENTRY(HLKilnSuite, ApplyColorSettings, 43);
HL_SUITE_ENTRY(HLKilnSuite, SetShowTechnicalInks, 45);
