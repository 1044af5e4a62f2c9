#include "RVADMQtManager.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

namespace QtManager = RVADMQtManager::QtManager;
namespace SharedResources = RVADMQtManager::SharedResources;
namespace InputHandlerManager = RVADMQtManager::InputHandlerManager;

TEST(DialogCount, DeferredDecreaseTakesEffectOnTheNextTurnAndNeverBelowZero)
{
    QCoreApplication::processEvents();
    const int before = QtManager::GetDialogCount();
    QtManager::IncreaseDialogCount();
    QtManager::DecreaseDialogCountLater(nullptr);
    EXPECT_EQ(QtManager::GetDialogCount(), before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(QtManager::GetDialogCount(), before);
    while (QtManager::GetDialogCount() > 0)
        QtManager::DecreaseDialogCount();
    QtManager::DecreaseDialogCount();
    EXPECT_EQ(QtManager::GetDialogCount(), 0);
}

TEST(ModalParent, PreferredThenHostMainWindowWhileItLives)
{
    QWidget main;
    QWidget preferred;
    QtManager::SetHostMainWindow(&main);
    EXPECT_EQ(QtManager::GetModalDialogParent(&preferred, true), &preferred);
    EXPECT_EQ(QtManager::GetModalDialogParent(nullptr, true), &main);
    QtManager::SetHostMainWindow(nullptr);
    EXPECT_EQ(QtManager::GetModalDialogParent(nullptr, false), nullptr);
    auto dying = std::make_unique<QWidget>();
    QtManager::SetHostMainWindow(dying.get());
    dying.reset();
    EXPECT_EQ(QtManager::GetModalDialogParent(nullptr, true), nullptr);
}

TEST(Theme, DarkModeRepaintsStyleAwareWidgetsOnlyInTheColoursOfThemeAndState)
{
    QWidget aware;
    QWidget plain;
    QtManager::MakeDVAStyleAware(&aware, true);
    const QColor lightBackground = aware.palette().color(QPalette::Window);
    EXPECT_EQ(lightBackground, QtManager::GetControlColor(&aware, QtManager::kColorBackground, true));
    const QColor plainBefore = plain.palette().color(QPalette::Window);

    QtManager::SetDarkMode(true);
    EXPECT_TRUE(QtManager::IsInDarkMode(&aware));
    EXPECT_NE(aware.palette().color(QPalette::Window), lightBackground);
    EXPECT_EQ(aware.palette().color(QPalette::Window),
              QtManager::GetControlColor(&aware, QtManager::kColorBackground, true));
    EXPECT_EQ(plain.palette().color(QPalette::Window), plainBefore);
    QtManager::SetDarkMode(false);
    EXPECT_EQ(aware.palette().color(QPalette::Window), lightBackground);
    const QColor light = QtManager::GetControlColor(nullptr, QtManager::kColorText, true);
    EXPECT_NE(QtManager::GetControlColor(nullptr, QtManager::kColorText, false), light);
    QtManager::SetDarkMode(true);
    EXPECT_NE(QtManager::GetControlColor(nullptr, QtManager::kColorText, true), light);
    QtManager::SetDarkMode(false);
    EXPECT_EQ(QtManager::GetControlColor(nullptr, 999, true), light);
    EXPECT_EQ(QtManager::GetControlColor(nullptr, -1, true), light);
}

TEST(Theme, StyleAwarenessCanBeWithdrawnAndDeletedWidgetsAreForgotten)
{
    auto widget = std::make_unique<QWidget>();
    QWidget* raw = widget.get();
    QtManager::MakeDVAStyleAware(raw, true);
    EXPECT_TRUE(QtManager::IsStyleAware(raw));
    QtManager::MakeDVAStyleAware(raw, false);
    EXPECT_FALSE(QtManager::IsStyleAware(raw));
    QtManager::MakeDVAStyleAware(raw, true);
    widget.reset();
    QtManager::SetDarkMode(true); // must not touch the deleted widget
    QtManager::SetDarkMode(false);
    EXPECT_FALSE(QtManager::IsStyleAware(raw));
}

TEST(NonModal, DecidedByTheNearestStyleAwareAncestor)
{
    QWidget panel;
    QtManager::MakeDVAStyleAware(&panel, true);
    QWidget* child = new QWidget(&panel);
    EXPECT_TRUE(QtManager::IsOnNonModalDialog(child));

    QDialog dialog;
    QtManager::MakeDVAStyleAware(&dialog, true);
    QWidget* onDialog = new QWidget(&dialog);
    EXPECT_FALSE(QtManager::IsOnNonModalDialog(onDialog));

    QWidget loose;
    EXPECT_FALSE(QtManager::IsOnNonModalDialog(&loose));
    EXPECT_FALSE(QtManager::IsOnNonModalDialog(nullptr));
}

TEST(PanelIcons, RegisteredPerPanelAndTheme)
{
    int panelA = 0;
    int panelB = 0;
    SharedResources::RegisterPanelIcon(&panelA, 17100, 18100);
    EXPECT_EQ(SharedResources::GetPanelIcon(&panelA), 17100);
    EXPECT_EQ(SharedResources::GetPanelIcon(&panelB), 0);
    QtManager::SetDarkMode(true);
    EXPECT_EQ(SharedResources::GetPanelIcon(&panelA), 18100);
    QtManager::SetDarkMode(false);
    SharedResources::UnregisterPanelIcon(&panelA);
    EXPECT_EQ(SharedResources::GetPanelIcon(&panelA), 0);
    SharedResources::RegisterPanelIcon(nullptr, 1, 2);
    EXPECT_EQ(SharedResources::GetPanelIcon(nullptr), 0);
}

struct Received
{
    std::vector<std::uint32_t> values;
    bool consume = false;
    bool unregisterOther = false;
    void* other = nullptr;
};

bool Record(void* context, std::uint32_t value);

bool Record(void* context, std::uint32_t value)
{
    auto* received = static_cast<Received*>(context);
    received->values.push_back(value);
    if (received->unregisterOther)
        InputHandlerManager::UnregisterKeyboardInputHandler(Record, received->other);
    return received->consume;
}

class KeyboardHandlers : public testing::Test
{
protected:
    void TearDown() override
    {
        InputHandlerManager::UnregisterKeyboardInputHandler(Record, &first);
        InputHandlerManager::UnregisterKeyboardInputHandler(Record, &second);
    }

    Received first;
    Received second;
};

TEST_F(KeyboardHandlers, RegistrationRules)
{
    EXPECT_TRUE(InputHandlerManager::RegisterKeyboardInputHandler(1, Record, &first));
    EXPECT_FALSE(InputHandlerManager::RegisterKeyboardInputHandler(6, Record, &first));
    EXPECT_FALSE(InputHandlerManager::RegisterKeyboardInputHandler(2, Record, &second));
    EXPECT_FALSE(InputHandlerManager::RegisterKeyboardInputHandler(1, nullptr, &second));
    EXPECT_TRUE(InputHandlerManager::UnregisterKeyboardInputHandler(Record, &first));
    EXPECT_FALSE(InputHandlerManager::UnregisterKeyboardInputHandler(Record, &first));
}

TEST_F(KeyboardHandlers, ModifiersGoToEveryModifierHandlerInOrder)
{
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kModifierHandler, Record, &first);
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kKeyHandler, Record, &second);
    first.consume = true;
    InputHandlerManager::DispatchModifiers(InputHandlerManager::kModifierControl | InputHandlerManager::kModifierSpace);
    EXPECT_EQ(first.values, std::vector<std::uint32_t>{0x14});
    EXPECT_TRUE(second.values.empty());
}

TEST_F(KeyboardHandlers, KeysStopAtTheFirstHandlerThatConsumes)
{
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kKeyHandler, Record, &first);
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kKeyHandler, Record, &second);
    EXPECT_FALSE(InputHandlerManager::DispatchKey(65));
    EXPECT_EQ(second.values, std::vector<std::uint32_t>{65});
    first.consume = true;
    EXPECT_TRUE(InputHandlerManager::DispatchKey(66));
    EXPECT_EQ(second.values, std::vector<std::uint32_t>{65});
}

TEST_F(KeyboardHandlers, HandlerRemovedDuringADispatchIsNotCalled)
{
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kModifierHandler, Record, &first);
    InputHandlerManager::RegisterKeyboardInputHandler(InputHandlerManager::kModifierHandler, Record, &second);
    first.unregisterOther = true;
    first.other = &second;
    InputHandlerManager::DispatchModifiers(1);
    EXPECT_EQ(first.values.size(), 1u);
    EXPECT_TRUE(second.values.empty());
}

} // namespace
