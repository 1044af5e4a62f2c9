#pragma once

// The toolkit manager library: the services that every toolkit-based plug-in of a host shares.
// Dialog counting, modal parents, theme and control colours, panel icons and keyboard input
// handlers. Host UI thread only. The functions marked "host side" are called by the host, never by
// a plug-in.

#include <QByteArray>
#include <QColor>
#include <cstdint>

class QObject;
class QWidget;

#if defined(_WIN32)
#define RVADMQTMANAGER_API __declspec(dllexport)
#else
#define RVADMQTMANAGER_API __attribute__((visibility("default")))
#endif

namespace RVADMQtManager {

namespace QtManager {

// Open toolkit dialogs. A dialog counts itself in at construction and out when destroyed; the
// decrease of a destroyed dialog takes effect on the next turn of the event loop (immediately
// when there is no application object). The count never goes below 0.
RVADMQTMANAGER_API void IncreaseDialogCount();
RVADMQTMANAGER_API void DecreaseDialogCount();
// `object` is the dialog being destroyed; it is not touched.
RVADMQTMANAGER_API void DecreaseDialogCountLater(QObject* object);
RVADMQTMANAGER_API int GetDialogCount();

// The parent for a new modal dialog: with `preferActiveModal` the application's active modal
// widget when there is one, then `preferred` when given, then the host's main window (may be null).
RVADMQTMANAGER_API QWidget* GetModalDialogParent(QWidget* preferred, bool preferActiveModal);
// Host side: the window that parents modal dialogs when nothing else does.
RVADMQTMANAGER_API void SetHostMainWindow(QWidget* window);

// A style-aware widget takes the theme's palette now and whenever the theme changes; `aware`
// false forgets the widget. Deleted widgets are forgotten by themselves.
RVADMQTMANAGER_API void MakeDVAStyleAware(QWidget* widget, bool aware);
RVADMQTMANAGER_API bool IsStyleAware(const QWidget* widget);
// Whether `widget` lies on a non-modal dialog: its nearest style-aware ancestor (itself included)
// is not a QDialog. False when it has no style-aware ancestor.
RVADMQTMANAGER_API bool IsOnNonModalDialog(const QWidget* widget);

RVADMQTMANAGER_API bool IsInDarkMode(const QWidget* widget);
// Host side: switches the theme and re-applies the palette of every style-aware widget.
RVADMQTMANAGER_API void SetDarkMode(bool dark);

// Control colour ids for `GetControlColor`.
enum ControlColor : int
{
    kColorBackground = 0,
    // What owner-drawn items draw their overlays in, usually in XOR: mid grey flips the top bit of
    // each channel, so every pixel changes by half the range on light and dark artwork alike.
    kColorDrawing = 1,
    kColorBase = 2,
    kColorSelection = 3,
    kColorSelectionText = 4,
    kColorBorder = 5,
    kColorButton = 6,
    kColorText = 7,
};
// The theme's colour for a control; `enabled` false gives the disabled variant. An unknown id
// gives the text colour.
RVADMQTMANAGER_API QColor GetControlColor(const QWidget* widget, int colorId, bool enabled);

} // namespace QtManager

namespace SharedResources {

// Attaches the icons (light and dark theme resource ids) to a host panel, replacing earlier ones.
RVADMQTMANAGER_API void RegisterPanelIcon(const void* panel, int lightIconId, int darkIconId);
RVADMQTMANAGER_API void UnregisterPanelIcon(const void* panel);
// Host side: the icon id of `panel` for the current theme, or 0 when none is registered.
RVADMQTMANAGER_API int GetPanelIcon(const void* panel);

// The PNG data of built-in icon `id` (16000–16099, 16800–16899) in its variant for the theme
// (`dark`) and the device pixel ratio (`scale`, 1.0 or 2.0); empty when the library holds no such
// variant.
RVADMQTMANAGER_API QByteArray GetBuiltinResource(int id, bool dark, double scale);

} // namespace SharedResources

namespace InputHandlerManager {

// Handler kinds.
enum HandlerKind : int
{
    kModifierHandler = 1, // receives modifier bits (below) whenever the host's modifiers change
    kKeyHandler = 6,      // receives key codes; returns true when it consumed the key
};

// Modifier bits given to kind-1 handlers.
enum ModifierBit : std::uint32_t
{
    kModifierShift = 1u << 0,
    kModifierAlt = 1u << 1,
    kModifierControl = 1u << 2,
    kModifierSpace = 1u << 4,
};

using KeyboardInputHandler = bool (*)(void* context, std::uint32_t value);

// Registers `handler` with `context` for `kind`. Returns false for a null handler, an unknown
// kind or a pair (handler, context) that is already registered.
RVADMQTMANAGER_API bool RegisterKeyboardInputHandler(int kind, KeyboardInputHandler handler, void* context);
// Removes the pair; false when it was not registered.
RVADMQTMANAGER_API bool UnregisterKeyboardInputHandler(KeyboardInputHandler handler, void* context);

// Host side: feeds the modifier bits to every kind-1 handler, in registration order.
RVADMQTMANAGER_API void DispatchModifiers(std::uint32_t modifierBits);
// Host side: offers a key to the kind-6 handlers in registration order until one consumes it;
// returns whether one did.
RVADMQTMANAGER_API bool DispatchKey(std::uint32_t key);

} // namespace InputHandlerManager

} // namespace RVADMQtManager
