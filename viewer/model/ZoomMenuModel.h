#pragma once

#include <string>

// One row of the zoom drop-down: the label is the English resource key of its text; the value is
// a zoom percentage, or one of the fit values below. The separator row has no label.
struct ZoomMenuRow
{
    const char* label;
    double value;
};

inline constexpr double kFitArtBoardValue = -1.0;
inline constexpr double kFitGraphicsValue = -2.0;

// In list order: the zoom levels from the largest down, a separator, the two fit entries.
inline constexpr ZoomMenuRow kZoomMenuRows[] = {
    {"64000%", 64000}, {"51000%", 51000}, {"34000%", 34000}, {"25500%", 25500},
    {"17000%", 17000}, {"12750%", 12750}, {"8500%", 8500},   {"6400%", 6400},
    {"4800%", 4800},   {"3200%", 3200},   {"2400%", 2400},   {"1600%", 1600},
    {"1200%", 1200},   {"800%", 800},     {"600%", 600},     {"400%", 400},
    {"300%", 300},     {"200%", 200},     {"150%", 150},     {"100%", 100},
    {"66.67%", 66.67}, {"50%", 50},       {"33.33%", 33.33}, {"25%", 25},
    {"16.67%", 16.67}, {"12.5%", 12.5},   {"8.33%", 8.33},   {"6.25%", 6.25},
    {"4.17%", 4.17},   {"3.13%", 3.13},   {nullptr, 0.0},    {"Fit ArtBoard", kFitArtBoardValue},
    {"Fit Graphics", kFitGraphicsValue},
};

// What a zoom button click asks of the panel.
struct ZoomStep
{
    enum class Kind
    {
        // Nothing happens.
        None,
        // The entry `entry` (a level of `percent`) is now selected; the panel applies it as if the
        // user had chosen it.
        ChooseEntry,
        // The menu shows the custom `percent`; the panel zooms to it (factor percent / 100).
        CustomPercent,
    };
    Kind kind;
    int entry;
    double percent;
};

// The zoom drop-down's state without the widget: the selected entry, the custom flag (set while
// the shown zoom matches no level) and the percentage last shown as text. The widget mirrors it:
// it selects Selected() (signals blocked) or, with no selection, shows Text().
class ZoomMenuModel
{
public:
    static constexpr int kEntryCount = static_cast<int>(sizeof(kZoomMenuRows) / sizeof(kZoomMenuRows[0]));
    // The zoom levels are the first entries; the separator and the two fit entries follow.
    static constexpr int kLevelCount = kEntryCount - 3;

    // The index of the first zoom level less than 0.01 percent from `percent`, or -1.
    static int FindLevel(double percent);
    // The percentage as the menu shows it: two decimals below 100, one below 1000, none above.
    static std::string FormatPercent(double percent);

    // Shows the zoom `factor` (percentage = factor × 100): selects the matching level, or shows
    // the percentage as custom text.
    void ShowZoom(double factor);
    // Selects `entry` (the user's choice) and clears the custom flag. False, with nothing changed,
    // for an index outside the list or the separator.
    bool Select(int entry);
    // No selection and no text, as in a disabled section. The custom flag and percentage stay, so
    // the buttons step on from the last custom zoom once the section is enabled again.
    void Clear();

    // The zoom-in and zoom-out buttons: the next level up or down, or a custom step of 1.5 past
    // the ends of the list. The model takes the new selection or custom percentage itself.
    ZoomStep ZoomIn();
    ZoomStep ZoomOut();

    int Selected() const { return m_selected; }
    bool IsCustom() const { return m_custom; }
    double CurrentPercent() const { return m_percent; }
    // The custom percentage as text; empty when an entry is selected or the menu is clear.
    const std::string& Text() const { return m_text; }

private:
    ZoomStep Choose(int entry);
    ZoomStep Custom(double percent);

    int m_selected = -1;
    bool m_custom = false;
    double m_percent = 100.0;
    std::string m_text;
};
