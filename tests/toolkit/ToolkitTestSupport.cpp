#include "ToolkitTestSupport.h"

namespace qRVADM {

void PrintTo(const RVADM_Rect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const RVADM_Point& point, std::ostream* os)
{
    *os << "(" << point.h << ", " << point.v << ")";
}

} // namespace qRVADM
