#pragma once

// What every benchmark program does around its own set-up.

// The offscreen platform unless QT_QPA_PLATFORM names one; before the application exists.
void ChooseOffscreenPlatform();
// Runs the benchmarks the command line selects; the program's exit status.
int RunBenchmarks(int& argc, char** argv);
