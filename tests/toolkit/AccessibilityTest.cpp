// What a screen reader finds of the toolkit's items.

#include "ToolkitTestSupport.h"

#include "sim/app/AccessibleTree.h"
#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_CustomItem.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_PictureToggle.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qRVADM {
namespace {

constexpr std::int32_t kGreenLight = 16209;
constexpr std::int32_t kLinkPicture = 16051;

class AccessibilityTest : public testing::Test
{
protected:
    void SetUp() override
    {
        light = new RVADM_PictureLabel(&dialog, kGreenLight);
        canvas = new RVADM_CustomItem(&dialog);
        list = new RVADM_DropDownList(&dialog);
        for (const char* text : {"100%", "200%"})
            entries.push_back(std::make_unique<RVADM_ComboEntry>(list, text));
        list->SelectIndex(-1);
        toggle = new RVADM_PictureToggle(&dialog, kLinkPicture);
        toggle->SetAccessibleName("Link");
        dialog.show();
    }

    toolkittest::PanelStandInDialog dialog;
    RVADM_PictureLabel* light = nullptr;
    RVADM_CustomItem* canvas = nullptr;
    RVADM_DropDownList* list = nullptr;
    RVADM_PictureToggle* toggle = nullptr;
    std::vector<std::unique_ptr<RVADM_ComboEntry>> entries;
};

// Pictures are images, an owner-drawn item a canvas. A list is named by the row it shows, or by
// its placeholder when it shows none, which Qt's own combo box leaves nameless; its own name
// names it while it shows nothing and else describes what it shows, unless it has a tip.
TEST_F(AccessibilityTest, PicturesCanvasesAndListsHaveTheirRolesAndListsTheNameTheyShow)
{
    light->SetAccessibleName("Connected");
    light->SetTipString("The service answers.");
    canvas->SetAccessibleName("Preview");
    canvas->SetAccessibleDescription("At 200%");
    list->SetAccessibleName("Zoom");
    toggle->SetChecked(true);
    EXPECT_EQ(hostapp::DescribeAccessibleTree(dialog), "Client \"\"\n"
                                                       "  Graphic \"Connected\": The service answers.\n"
                                                       "  Canvas \"Preview\": At 200%\n"
                                                       "  ComboBox \"Zoom\"\n"
                                                       "  CheckBox \"Link\" checked\n");
    list->SetPlaceholderText(" 96000%");
    toggle->SetChecked(false);
    light->Enable(false);
    EXPECT_EQ(hostapp::DescribeAccessibleTree(dialog), "Client \"\"\n"
                                                       "  Graphic \"Connected\" disabled: The service answers.\n"
                                                       "  Canvas \"Preview\": At 200%\n"
                                                       "  ComboBox \" 96000%\": Zoom\n"
                                                       "  CheckBox \"Link\" unchecked\n");
    entries[1]->Select(true);
    const std::string withRow = hostapp::DescribeAccessibleTree(dialog);
    list->SetTipString("Levels");
    EXPECT_NE(withRow.find("  ComboBox \"200%\": Zoom\n"), std::string::npos) << withRow;
    EXPECT_NE(hostapp::DescribeAccessibleTree(dialog).find("  ComboBox \"200%\": Levels\n"), std::string::npos);
}

} // namespace
} // namespace qRVADM
