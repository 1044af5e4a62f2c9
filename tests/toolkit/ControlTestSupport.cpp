#include "ControlTestSupport.h"

#include <QString>

namespace toolkittest {

double RunRatio()
{
    bool ok = false;
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && ratio > 0 ? ratio : 1.0;
}

} // namespace toolkittest
