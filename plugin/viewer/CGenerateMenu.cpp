#include "plugin/viewer/CGenerateMenu.h"

#include <utility>

CGenerateMenu::CGenerateMenu(TKW_AISubMenu* parent, std::function<void()> clickGenerate)
    : TKW_AIMenu(parent, "Generate", false), m_clickGenerate(std::move(clickGenerate))
{
}

ASErr CGenerateMenu::Go(AIMenuMessage*)
{
    m_clickGenerate();
    return kNoErr;
}
