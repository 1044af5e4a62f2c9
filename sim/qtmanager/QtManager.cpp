#include "RVADMQtManager.h"

#include <QApplication>
#include <QDialog>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace RVADMQtManager::QtManager {
namespace {

struct ThemeColor
{
    QRgb light;
    QRgb dark;
    QRgb lightDisabled;
    QRgb darkDisabled;
};

// Indexed by `ControlColor`.
constexpr ThemeColor kControlColors[] = {
    {0xfff0f0f0, 0xff323232, 0xfff0f0f0, 0xff323232}, // background
    {0xff808080, 0xff808080, 0xff808080, 0xff808080}, // drawing
    {0xffffffff, 0xff1e1e1e, 0xfff4f4f4, 0xff2a2a2a}, // base
    {0xff2680eb, 0xff46a0f5, 0xffb4c8e1, 0xff505a6e}, // selection
    {0xffffffff, 0xffffffff, 0xfff0f0f0, 0xffb4b4b4}, // selection text
    {0xffa0a0a0, 0xff5a5a5a, 0xffc8c8c8, 0xff464646}, // border
    {0xffe1e1e1, 0xff464646, 0xffebebeb, 0xff3c3c3c}, // button
    {0xff1e1e1e, 0xffdcdcdc, 0xff9a9a9a, 0xff7a7a7a}, // text
};

struct PaletteRole
{
    QPalette::ColorRole role;
    ControlColor color;
};

constexpr PaletteRole kPaletteRoles[] = {
    {QPalette::Window, kColorBackground},   {QPalette::WindowText, kColorText},
    {QPalette::Base, kColorBase},           {QPalette::Text, kColorText},
    {QPalette::Button, kColorButton},       {QPalette::ButtonText, kColorText},
    {QPalette::Highlight, kColorSelection}, {QPalette::HighlightedText, kColorSelectionText},
};

struct State
{
    int dialogCount = 0;
    bool dark = false;
    QPointer<QWidget> hostMainWindow;
    std::vector<QPointer<QWidget>> styleAware;
};

State& TheState()
{
    static State state;
    return state;
}

void ForgetDeleted(State& state)
{
    auto& aware = state.styleAware;
    aware.erase(std::remove_if(aware.begin(), aware.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }),
                aware.end());
}

void ApplyTheme(QWidget& widget)
{
    QPalette palette = widget.palette();
    for (const PaletteRole& entry : kPaletteRoles) {
        palette.setColor(QPalette::Active, entry.role, GetControlColor(&widget, entry.color, true));
        palette.setColor(QPalette::Inactive, entry.role, GetControlColor(&widget, entry.color, true));
        palette.setColor(QPalette::Disabled, entry.role, GetControlColor(&widget, entry.color, false));
    }
    widget.setPalette(palette);
}

} // namespace

void IncreaseDialogCount()
{
    ++TheState().dialogCount;
}

void DecreaseDialogCount()
{
    State& state = TheState();
    state.dialogCount = std::max(0, state.dialogCount - 1);
}

void DecreaseDialogCountLater(QObject*)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        DecreaseDialogCount();
        return;
    }
    QMetaObject::invokeMethod(app, [] { DecreaseDialogCount(); }, Qt::QueuedConnection);
}

int GetDialogCount()
{
    return TheState().dialogCount;
}

QWidget* GetModalDialogParent(QWidget* preferred, bool preferActiveModal)
{
    if (preferActiveModal) {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
    }
    if (preferred != nullptr)
        return preferred;
    return TheState().hostMainWindow.data();
}

void SetHostMainWindow(QWidget* window)
{
    TheState().hostMainWindow = window;
}

void MakeDVAStyleAware(QWidget* widget, bool aware)
{
    if (widget == nullptr)
        return;
    State& state = TheState();
    ForgetDeleted(state);
    auto& list = state.styleAware;
    const auto found = std::find(list.begin(), list.end(), widget);
    if (!aware) {
        if (found != list.end())
            list.erase(found);
        return;
    }
    if (found == list.end())
        list.emplace_back(widget);
    ApplyTheme(*widget);
}

bool IsStyleAware(const QWidget* widget)
{
    const auto& list = TheState().styleAware;
    return widget != nullptr &&
           std::any_of(list.begin(), list.end(), [widget](const QPointer<QWidget>& w) { return w.data() == widget; });
}

bool IsOnNonModalDialog(const QWidget* widget)
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (IsStyleAware(w))
            return qobject_cast<const QDialog*>(w) == nullptr;
    }
    return false;
}

bool IsInDarkMode(const QWidget*)
{
    return TheState().dark;
}

void SetDarkMode(bool dark)
{
    State& state = TheState();
    if (state.dark == dark)
        return;
    state.dark = dark;
    ForgetDeleted(state);
    const auto aware = state.styleAware;
    for (const QPointer<QWidget>& widget : aware) {
        if (!widget.isNull())
            ApplyTheme(*widget);
    }
}

QColor GetControlColor(const QWidget* widget, int colorId, bool enabled)
{
    constexpr int count = static_cast<int>(sizeof kControlColors / sizeof kControlColors[0]);
    const ThemeColor& entry = kControlColors[colorId >= 0 && colorId < count ? colorId : kColorText];
    if (IsInDarkMode(widget))
        return QColor::fromRgba(enabled ? entry.dark : entry.darkDisabled);
    return QColor::fromRgba(enabled ? entry.light : entry.lightDisabled);
}

} // namespace RVADMQtManager::QtManager
