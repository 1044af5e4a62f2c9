#pragma once

struct HLKilnSuite;
class PressSettings;

// Pushes the viewer's start-up settings to a ready engine, in the engine's required order: image
// quality, similar-ink merging and technical inks from the viewer preferences, then the press
// parameters of `press` and its moiré checks (densities and the luminance limit in single
// precision), then rounded densities and the antialiasing mode from the preferences.
void PushStartupSettings(const HLKilnSuite& kiln, const PressSettings& press);
