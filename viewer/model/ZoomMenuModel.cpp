#include "viewer/model/ZoomMenuModel.h"

#include <cmath>
#include <cstdio>

namespace {

// A shown percentage within this distance of a level selects the level.
constexpr double kLevelTolerance = 0.01;
// Factor of a custom zoom-in step past the largest level, or zoom-out step past the smallest.
constexpr double kCustomStep = 1.5;
// Where zoom-in goes from the largest level when no custom percentage is shown.
constexpr double kBeyondLargestLevel = 96000.0;
// A custom percentage further above the largest level than this zooms out in custom steps
// instead of jumping back to the largest level.
constexpr double kLargestLevelReach = 32000.0;

constexpr bool LevelsDescend()
{
    for (int i = 1; i < ZoomMenuModel::kLevelCount; ++i) {
        if (!(kZoomMenuRows[i].value < kZoomMenuRows[i - 1].value))
            return false;
    }
    return kZoomMenuRows[ZoomMenuModel::kLevelCount - 1].value > 0.0;
}
static_assert(ZoomMenuModel::kEntryCount == 33);
static_assert(LevelsDescend(), "zoom steps rely on the levels descending");
static_assert(kZoomMenuRows[ZoomMenuModel::kLevelCount].label == nullptr, "the separator follows the levels");

bool IsLevel(int entry)
{
    return entry >= 0 && entry < ZoomMenuModel::kLevelCount;
}

std::string Format(const char* format, double value)
{
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, value);
    return text;
}

}  // namespace

int ZoomMenuModel::FindLevel(double percent)
{
    for (int i = 0; i < kLevelCount; ++i) {
        if (std::fabs(kZoomMenuRows[i].value - percent) < kLevelTolerance)
            return i;
    }
    return -1;
}

std::string ZoomMenuModel::FormatPercent(double percent)
{
    if (percent < 100.0)
        return Format("%4.2f%%", percent);
    if (percent < 1000.0)
        return Format("%5.1f%%", percent);
    return Format("%6.0f%%", percent);
}

void ZoomMenuModel::ShowZoom(double factor)
{
    const double percent = factor * 100.0;
    const int level = FindLevel(percent);
    if (level >= 0)
        Select(level);
    else
        Custom(percent);
}

bool ZoomMenuModel::Select(int entry)
{
    if (entry < 0 || entry >= kEntryCount || !kZoomMenuRows[entry].label)
        return false;
    m_selected = entry;
    m_custom = false;
    m_text.clear();
    return true;
}

void ZoomMenuModel::Clear()
{
    m_selected = -1;
    m_text.clear();
}

ZoomStep ZoomMenuModel::ZoomIn()
{
    if (m_custom) {
        for (int i = kLevelCount - 1; i >= 0; --i) {
            if (kZoomMenuRows[i].value > m_percent)
                return Choose(i);
        }
    }
    if (IsLevel(m_selected) && m_selected >= 1)
        return Choose(m_selected - 1);
    return Custom(m_custom ? m_percent * kCustomStep : kBeyondLargestLevel);
}

ZoomStep ZoomMenuModel::ZoomOut()
{
    if (m_custom) {
        for (int i = 0; i < kLevelCount; ++i) {
            if (kZoomMenuRows[i].value < m_percent) {
                if (i > 0 || m_percent - kZoomMenuRows[i].value <= kLargestLevelReach)
                    return Choose(i);
                break;
            }
        }
    }
    if (IsLevel(m_selected) && m_selected + 1 < kLevelCount)
        return Choose(m_selected + 1);
    if (m_custom)
        return Custom(m_percent / kCustomStep);
    return ZoomStep{ZoomStep::Kind::None, -1, m_percent};
}

ZoomStep ZoomMenuModel::Choose(int entry)
{
    Select(entry);
    return ZoomStep{ZoomStep::Kind::ChooseEntry, entry, kZoomMenuRows[entry].value};
}

ZoomStep ZoomMenuModel::Custom(double percent)
{
    m_selected = -1;
    m_custom = true;
    m_percent = percent;
    m_text = FormatPercent(percent);
    return ZoomStep{ZoomStep::Kind::CustomPercent, -1, percent};
}
