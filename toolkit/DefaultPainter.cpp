#include "toolkit/DefaultPainter.h"

namespace qRVADM {

DefaultPainter::~DefaultPainter() = default;

} // namespace qRVADM
