// Typed numeric entries: the first byte picks the field's unit, the rest is the text, evaluated
// by the simulated host and read by the dimension controller. Any text must give a value in the
// host's range or `NotParsed`, and a value the field shows must read back the same.

#include "tests/toolkit/SimulatedHostNumbers.h"
#include "toolkit/DimensionController.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace qRVADM;

namespace {

constexpr double kNamedValue = -2000000;
// Longer whole parts do not fit the entry syntax once they have decimals.
constexpr double kReadableLimit = 99999;

bool IsHostValue(double value)
{
    return std::isfinite(value) && ((value >= -999999 && value <= 1000000) || value == kNamedValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static SimulatedHostNumbers host;
    if (size == 0)
        return 0;
    QString field = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    const auto show = [&field](const QString& text) { field = text; };
    const QString typed = field;
    DimensionController controller({0.0, UnitPoint}, host.Numbers(), [&field] { return field; }, show, show);
    controller.ConvertTo(static_cast<ADMUnits>(data[0] % 12));
    controller.AddNamedValue(QStringLiteral("Auto"), kNamedValue);
    controller.SetDefaultValueFunction([&controller](ADMUnits unit) { return controller.GetDimension().ConvertedTo(unit).value; });
    field = typed;

    const Dimension parsed = controller.ParseText();
    if (parsed.IsParsed() && !IsHostValue(parsed.value))
        __builtin_trap();

    controller.Parse();
    const Dimension shown = controller.GetDimension();
    if (std::fabs(shown.value) < kReadableLimit) {
        const Dimension reread = controller.ParseText();
        const double tolerance = std::pow(10.0, -DimensionController::PrecisionForUnit(shown.unit));
        if (!reread.IsParsed() || std::fabs(reread.value - shown.value) > tolerance)
            __builtin_trap();
    }
    return 0;
}
