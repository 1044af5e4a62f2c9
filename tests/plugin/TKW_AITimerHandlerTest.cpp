#include "InProcessPlugin.h"

#include "plugin/TKW_AITimer.h"
#include "plugin/TKW_AITimerHandler.h"
#include "plugin/suites/FourCC.h"

#include <string>

namespace {

class RecordingTimer : public TKW_AITimer
{
public:
    explicit RecordingTimer(TKW_AIPlugin* plugin) : TKW_AITimer(plugin, "Recording", 1) {}

    ASErr Go(AITimerMessage*, const char* selector) override
    {
        selectors += selector;
        return FourCC("Tick");
    }

    std::string selectors;
};

class TimerHandlerTest : public InProcessPluginTest
{
protected:
    RecordingTimer* Add()
    {
        auto* timer = new RecordingTimer(m_plugin.get());
        m_plugin->AddTimer(timer);
        return timer;
    }

    ASErr Tick(const TKW_AITimer& timer)
    {
        AITimerMessage message{Header(), timer.GetHandle()};
        return Dispatch(kCallerAITimer, kSelectorAIGoTimer, &message);
    }
};

TEST_F(TimerHandlerTest, TickGoesToGoWithTheSelectorAndItsResultIsNotPassedOn)
{
    RecordingTimer* timer = Add();
    EXPECT_EQ(Tick(*timer), kNoErr);
    EXPECT_EQ(timer->selectors, kSelectorAIGoTimer);
}

TEST_F(TimerHandlerTest, RemovalClearsTheSlotWithoutFreeingIt)
{
    RecordingTimer* timer = Add();
    EXPECT_EQ(m_plugin->RemoveTimer(timer), kNoErr);
    EXPECT_EQ(m_plugin->RemoveTimer(timer), FourCC("ErRT"));
    EXPECT_EQ(m_plugin->GetTimerHandler().HighWaterCount(), 1u);
    EXPECT_EQ(Tick(*timer), kNoErr);
    EXPECT_TRUE(timer->selectors.empty());
    delete timer;
}

}  // namespace
