// A plug-in written directly against the suites with one panel of plain Qt widgets: an edit
// labelled "Greeting", an "Apply" button and a label that repeats what was applied. Its item
// "Panel Echo" in the host's "Tool Palettes" group shows or hides the panel and, on "AI Update",
// carries a check mark while the panel is shown.

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AIPanelSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPMessages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstring>

namespace {

template <typename Suite>
const Suite* Acquire(const SPBasicSuite* basic)
{
    const void* suite = nullptr;
    return basic->AcquireSuite(Suite::kName, Suite::kVersion, &suite) == kNoErr ? static_cast<const Suite*>(suite) : nullptr;
}

const SPBasicSuite* g_basic = nullptr;
const AIMenuSuite* g_menus = nullptr;
const AIPanelSuite* g_panels = nullptr;
AIMenuItemHandle g_item = nullptr;
AIPanelRef g_panel = nullptr;

void BuildPanel(QWidget& window)
{
    auto* layout = new QGridLayout(&window);
    auto* edit = new QLineEdit(&window);
    auto* result = new QLabel(QStringLiteral("Nothing applied"), &window);
    auto* apply = new QPushButton(QStringLiteral("Apply"), &window);
    layout->addWidget(new QLabel(QStringLiteral("Greeting"), &window), 0, 0);
    layout->addWidget(edit, 0, 1);
    layout->addWidget(apply, 1, 1);
    layout->addWidget(result, 2, 0, 1, 2);
    QObject::connect(apply, &QPushButton::clicked, result,
                     [edit, result] { result->setText(QStringLiteral("Applied ") + edit->text()); });
}

SPErr Startup(SPMessageData* message)
{
    g_basic = message->basic;
    const auto* strings = Acquire<AIUnicodeStringSuite>(g_basic);
    g_menus = Acquire<AIMenuSuite>(g_basic);
    g_panels = Acquire<AIPanelSuite>(g_basic);
    if (!strings || !g_menus || !g_panels)
        return FourCC("Stes");
    AIUnicodeStringHandle text = nullptr;
    strings->Initialize(&text, "Panel Echo", std::strlen("Panel Echo"), kAIUTF8CharacterEncoding);
    const AIPlatformAddMenuItemDataUS data{kToolPalettesMenuGroup, text};
    g_menus->AddMenuItem(message->self, "PanelEcho_HL", &data, kMenuItemWantsUpdateOption, &g_item);
    const AISize minimum{206, 120};
    g_panels->Create(message->self, "PanelEcho", text, 1, &minimum, 1, nullptr, nullptr, &g_panel);
    strings->Destroy(text);
    g_basic->ReleaseSuite(AIUnicodeStringSuite::kName, AIUnicodeStringSuite::kVersion);
    AIWindowRef window = nullptr;
    g_panels->GetPlatformWindow(g_panel, &window);
    BuildPanel(*static_cast<QWidget*>(window));
    return kNoErr;
}

SPErr Shutdown()
{
    g_panels->Destroy(g_panel);
    g_basic->ReleaseSuite(AIPanelSuite::kName, AIPanelSuite::kVersion);
    g_basic->ReleaseSuite(AIMenuSuite::kName, AIMenuSuite::kVersion);
    g_panel = nullptr;
    return kNoErr;
}

AIBoolean Shown()
{
    AIBoolean shown = 0;
    g_panels->IsShown(g_panel, &shown);
    return shown;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector, void* message)
{
    if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceStartupSelector) == 0)
        return Startup(static_cast<SPMessageData*>(message));
    if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceShutdownSelector) == 0)
        return Shutdown();
    if (std::strcmp(caller, kCallerAIMenu) == 0 && std::strcmp(selector, kSelectorAIGoMenuItem) == 0)
        return g_panels->Show(g_panel, !Shown());
    if (std::strcmp(caller, kCallerAIMenu) == 0 && std::strcmp(selector, kSelectorAIUpdateMenuItem) == 0)
        return g_menus->CheckItem(g_item, Shown());
    return kNoErr;
}
