// Compiles the shared test doubles, and with them their meta-object code, for the programs that list them.
#include "ToolkitTestSupport.h"
