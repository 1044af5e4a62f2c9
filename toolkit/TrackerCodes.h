#pragma once

#include <cstdint>

// The codes of a tracker record, shared by the toolkit, which makes the records from Qt's input,
// and the code that reads them without a widget. Plain values, no Qt.
namespace qRVADM {

// Tracker actions: a press is positive, its release the negative of the press.
enum TrackerAction : std::int32_t
{
    kTrackMove = -1,        // the mouse moved without the left button
    kTrackDragLeft = 1,     // the mouse moved with the left button held
    kTrackLeftDown = 2,
    kTrackLeftUp = -2,
    kTrackMiddleDown = 3,
    kTrackMiddleUp = -3,
    kTrackRightDown = 4,
    kTrackRightUp = -4,
    kTrackSpaceDown = 9,
    kTrackSpaceUp = -9,
    kTrackKeyStroke = -15,  // a key pressed or released; the record's key says which
    kTrackDoubleClick = 1000,
};

// Key codes of kTrackKeyStroke records.
enum TrackerKey : std::int32_t
{
    kTrackKeyEscape = 27,
    kTrackKeySpace = 32,
    kTrackKeyDigitZero = 48,
    kTrackKeyKeypadDigitZero = 224,
    kTrackKeyShift = 241,
    kTrackKeyControl = 244,
};

// Input-state bits of a record: the mouse buttons and modifier keys held. The host reports its
// modifier keys with the same bits.
enum InputState : std::uint32_t
{
    kInputLeftButton = 4,
    kInputMiddleButton = 8,
    kInputRightButton = 16,
    kInputShift = 32,
    kInputControl = 64,
    kInputAlt = 128,
    kInputSpace = 512,
};

// One tracker record; the point is in the item's own pixels.
struct TrackerRecord
{
    std::int32_t action = 0;
    std::uint32_t modifiers = 0;
    std::int32_t key = 0;
    std::int32_t h = 0;
    std::int32_t v = 0;
};

}  // namespace qRVADM
