#include "settings/PressSettings.h"

#include "settings/PressError.h"

PressSettings::PressSettings(std::string_view name)
{
    if (name.size() > kMaxNameBytes)
        throw PressError();
    Name = name;
}

void PressSettings::SetDotGain(double minimum, double at25, double at50, double at75,
                               double maximum)
{
    MinimumDotGain = minimum;
    DotGain25 = at25;
    DotGain50 = at50;
    DotGain75 = at75;
    MaximumDotGain = maximum;
}

PressDotGain PressSettings::GetDotGain() const
{
    return {MinimumDotGain, DotGain25, DotGain50, DotGain75, MaximumDotGain};
}
