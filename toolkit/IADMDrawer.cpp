#include "toolkit/IADMDrawer.h"

namespace qRVADM {

IADMDrawer::~IADMDrawer() = default;

} // namespace qRVADM
