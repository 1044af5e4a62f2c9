#include "sim/app/HostTheme.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QPalette>

namespace hostapp {
namespace {

namespace QtManager = RVADMQtManager::QtManager;

struct ThemeRole
{
    QPalette::ColorRole role;
    int color;  // QtManager::ControlColor
};

// The pasteboard around a document's page is painted in Mid.
constexpr ThemeRole kThemeRoles[] = {
    {QPalette::Window, QtManager::kColorBackground},     {QPalette::WindowText, QtManager::kColorText},
    {QPalette::Base, QtManager::kColorBase},             {QPalette::AlternateBase, QtManager::kColorBackground},
    {QPalette::Text, QtManager::kColorText},             {QPalette::Button, QtManager::kColorButton},
    {QPalette::ButtonText, QtManager::kColorText},       {QPalette::Highlight, QtManager::kColorSelection},
    {QPalette::HighlightedText, QtManager::kColorSelectionText}, {QPalette::ToolTipBase, QtManager::kColorBase},
    {QPalette::ToolTipText, QtManager::kColorText},      {QPalette::Mid, QtManager::kColorBorder},
    {QPalette::Light, QtManager::kColorButton},          {QPalette::Midlight, QtManager::kColorButton},
    {QPalette::Dark, QtManager::kColorBorder},
};

}  // namespace

void ApplyHostTheme(bool dark)
{
    QtManager::SetDarkMode(dark);
    QPalette palette;
    for (const ThemeRole& entry : kThemeRoles) {
        palette.setColor(QPalette::Active, entry.role, QtManager::GetControlColor(nullptr, entry.color, true));
        palette.setColor(QPalette::Inactive, entry.role, QtManager::GetControlColor(nullptr, entry.color, true));
        palette.setColor(QPalette::Disabled, entry.role, QtManager::GetControlColor(nullptr, entry.color, false));
    }
    QApplication::setPalette(palette);
}

}  // namespace hostapp
