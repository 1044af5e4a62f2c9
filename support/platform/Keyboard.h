#pragma once

// Keyboard state of the platform. Host UI thread.

// Whether a Control key is held down at this moment.
bool IsControlKeyDown();
