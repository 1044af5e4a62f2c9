// "AI Panel Suite" and "AS User Interaction Suite".

#include "plugin/suites/AIPanelSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostStrings.h"
#include "sim/host/HostSuites.h"
#include "sim/host/PanelWindow.h"

namespace hostsim {
namespace {

PanelCenter& Panels()
{
    return Host::Current().Panels();
}

// Runs `use` on a known panel; unknown handles are refused.
template <typename Use>
AIErr WithPanel(AIPanelRef handle, Use use)
{
    return WithKnown(Panels().Find(handle), use);
}

// Stores what `get` reads from a known panel; unknown handles and missing outputs are refused.
template <typename Out, typename Get>
AIErr WithPanelOut(AIPanelRef handle, Out* out, Get get)
{
    if (!out)
        return BadParameterError();
    return WithPanel(handle, [out, &get](Panel& panel) { *out = get(panel); });
}

AIErr Create(SPPluginRef self, const char* name, AIUnicodeStringHandle title, ASInt32 stateCount,
             const AISize* minimumSize, AIBoolean resizable, AIPanelFlyoutMenuRef flyoutMenu,
             AIPanelUserData userData, AIPanelRef* panel)
{
    if (!self || !name || !title || !minimumSize || !panel || stateCount < 1 || stateCount > 2)
        return BadParameterError();
    *panel = Panels().Create(self, name, title->text, stateCount, *minimumSize, resizable != 0, flyoutMenu, userData);
    return kNoErr;
}

AIErr Destroy(AIPanelRef panel)
{
    return Panels().Destroy(panel) ? kNoErr : BadParameterError();
}

AIErr Show(AIPanelRef panel, AIBoolean show)
{
    return WithPanel(panel, [show](Panel& found) { PanelCenter::Show(found, show != 0); });
}

AIErr IsShown(AIPanelRef panel, AIBoolean* shown)
{
    return WithPanelOut(panel, shown, [](Panel& found) -> AIBoolean { return found.window->isVisible(); });
}

AIErr GetPlatformWindow(AIPanelRef panel, AIWindowRef* window)
{
    return WithPanelOut(panel, window,
                        [](Panel& found) -> AIWindowRef { return &PanelCenter::WindowOf(found); });
}

AIErr SetTitle(AIPanelRef panel, AIUnicodeStringHandle title)
{
    if (!title)
        return BadParameterError();
    return WithPanel(panel, [title](Panel& found) {
        found.title = title->text;
        found.window->setWindowTitle(QString::fromStdU16String(found.title));
    });
}

AIErr GetTitle(AIPanelRef panel, AIUnicodeStringHandle title)
{
    if (!title)
        return BadParameterError();
    return WithPanel(panel, [title](Panel& found) { title->text = found.title; });
}

AIErr SetSize(AIPanelRef panel, const AISize* size)
{
    if (!size)
        return BadParameterError();
    return WithPanel(panel, [size](Panel& found) { PanelCenter::Resize(found, *size); });
}

AIErr GetSize(AIPanelRef panel, AISize* size)
{
    return WithPanelOut(panel, size, [](Panel& found) {
        return AISize{found.window->width(), found.window->height()};
    });
}

AIErr SetMinimumSize(AIPanelRef panel, const AISize* size)
{
    if (!size || size->width < 0 || size->height < 0)
        return BadParameterError();
    return WithPanel(panel, [size](Panel& found) {
        found.minimumSize = *size;
        found.window->setMinimumSize(size->width, size->height);
    });
}

AIErr SetMaximumSize(AIPanelRef panel, const AISize* size)
{
    if (!size || size->width < 0 || size->height < 0)
        return BadParameterError();
    return WithPanel(panel, [size](Panel& found) {
        found.maximumSize = *size;
        found.window->setMaximumSize(size->width > 0 ? size->width : QWIDGETSIZE_MAX,
                                     size->height > 0 ? size->height : QWIDGETSIZE_MAX);
    });
}

AIErr SetVerticalResizeIncrement(AIPanelRef panel, ASInt32 pixels)
{
    if (pixels < 1)
        return BadParameterError();
    return WithPanel(panel, [pixels](Panel& found) {
        found.verticalResizeIncrement = pixels;
        found.window->setSizeIncrement(0, pixels);
    });
}

AIErr SetPosition(AIPanelRef panel, const AIPoint* topLeft)
{
    if (!topLeft)
        return BadParameterError();
    return WithPanel(panel, [topLeft](Panel& found) { found.window->move(topLeft->h, topLeft->v); });
}

AIErr GetPosition(AIPanelRef panel, AIPoint* topLeft)
{
    return WithPanelOut(panel, topLeft, [](Panel& found) {
        return AIPoint{found.window->x(), found.window->y()};
    });
}

AIErr GetPlatformWindowBounds(AIPanelRef panel, AIRect* bounds)
{
    return WithPanelOut(panel, bounds, [](Panel& found) {
        const QRect frame = found.window->frameGeometry();
        return AIRect{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    });
}

// Reads one field of a known panel.
template <auto Member, typename Value>
AIErr GetField(AIPanelRef panel, Value* out)
{
    return WithPanelOut(panel, out, [](Panel& found) { return found.*Member; });
}

// Stores `value` in one field of a known panel: the flyout menu and the panel's callbacks.
template <auto Member, typename Value>
AIErr SetField(AIPanelRef panel, Value value)
{
    return WithPanel(panel, [value](Panel& found) { found.*Member = value; });
}

AIPanelSuite MakePanelSuite()
{
    AIPanelSuite suite{};
    suite.Create = Create;
    suite.Destroy = Destroy;
    suite.Show = Show;
    suite.IsShown = IsShown;
    suite.GetPlatformWindow = GetPlatformWindow;
    suite.SetTitle = SetTitle;
    suite.GetTitle = GetTitle;
    suite.SetSize = SetSize;
    suite.GetSize = GetSize;
    suite.SetMinimumSize = SetMinimumSize;
    suite.SetMaximumSize = SetMaximumSize;
    suite.SetVerticalResizeIncrement = SetVerticalResizeIncrement;
    suite.SetPosition = SetPosition;
    suite.GetPlatformWindowBounds = GetPlatformWindowBounds;
    suite.GetUserData = GetField<&Panel::userData>;
    suite.SetFlyoutMenu = SetField<&Panel::flyoutMenu>;
    suite.SetFlyoutMenuProc = SetField<&Panel::flyoutChosen>;
    suite.GetPosition = GetPosition;
    suite.SetSizeChangedProc = SetField<&Panel::sizeChanged>;
    suite.SetVisibilityChangedProc = SetField<&Panel::visibilityChanged>;
    suite.SetClosedProc = SetField<&Panel::closed>;
    return suite;
}

const AIPanelSuite kPanelSuite = MakePanelSuite();

ASBoolean IsInteractionAllowed()
{
    return Host::Current().UserInteractionAllowed() ? 1 : 0;
}

const ASUserInteractionSuite kUserInteractionSuite = {IsInteractionAllowed};

}  // namespace

void RegisterPanelSuites(SuiteRegistry& suites)
{
    suites.Add(kPanelSuite);
    suites.Add(kUserInteractionSuite);
}

}  // namespace hostsim
