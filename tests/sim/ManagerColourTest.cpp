// The manager library's drawing colour (id 1): the viewer draws its rubber band in XOR with it, so
// it must change every kind of artwork plainly, in both themes.

#include "RVADMQtManager.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace RVADMQtManager;

// The largest change of one channel when `artwork` is XORed with `pen` (the raster operation
// leaves alpha alone).
int LargestChannelChange(QRgb artwork, QRgb pen)
{
    const QRgb drawn = artwork ^ (pen & 0x00ffffff);
    return std::max({std::abs(qRed(drawn) - qRed(artwork)), std::abs(qGreen(drawn) - qGreen(artwork)),
                     std::abs(qBlue(drawn) - qBlue(artwork))});
}

TEST(ManagerColourTest, AnXorBandInTheDrawingColourShowsOnLightAndDarkArtworkInBothThemes)
{
    // Paper, ink, the greys halfway, a saturated red and green, a pale tint, the themes' greys.
    const QRgb artwork[] = {0xffffffff, 0xff000000, 0xff808080, 0xff7f7f7f, 0xffc8102e, 0xff00843d,
                            0xfffdf5e0, 0xff323232, 0xff1e1e1e, 0xffdcdcdc};
    for (const bool dark : {false, true}) {
        QtManager::SetDarkMode(dark);
        for (const bool enabled : {true, false}) {
            const QRgb pen = QtManager::GetControlColor(nullptr, QtManager::kColorDrawing, enabled).rgb();
            for (const QRgb colour : artwork)
                EXPECT_GE(LargestChannelChange(colour, pen), 96)
                    << std::hex << colour << (dark ? " dark" : " light") << (enabled ? "" : " disabled");
        }
    }
    QtManager::SetDarkMode(false);
}

// Controls keep their text colour: the drawing colour has an id of its own.
TEST(ManagerColourTest, TextKeepsItsThemeColour)
{
    QtManager::SetDarkMode(false);
    EXPECT_EQ(QtManager::GetControlColor(nullptr, QtManager::kColorText, true).rgb(), 0xff1e1e1eu);
    EXPECT_EQ(QtManager::GetControlColor(nullptr, 99, true), QtManager::GetControlColor(nullptr, QtManager::kColorText, true));
    QtManager::SetDarkMode(true);
    EXPECT_EQ(QtManager::GetControlColor(nullptr, QtManager::kColorText, true).rgb(), 0xffdcdcdcu);
    QtManager::SetDarkMode(false);
}

}  // namespace
