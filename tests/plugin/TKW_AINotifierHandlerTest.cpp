#include "InProcessPlugin.h"

#include "plugin/TKW_AINotifier.h"
#include "plugin/TKW_AINotifierHandler.h"
#include "plugin/suites/FourCC.h"

#include <vector>

namespace {

// Records what reaches it; may delete another notifier when it is deleted itself.
class RecordingNotifier : public TKW_AINotifier
{
public:
    RecordingNotifier(TKW_AIPlugin* plugin, const char* type, std::vector<int>& deleted, int id)
        : TKW_AINotifier(plugin, "Recording", type), m_deleted(deleted), m_id(id)
    {
    }
    ~RecordingNotifier() override
    {
        m_deleted.push_back(m_id);
        delete m_victim;
    }

    ASErr Notify(AINotifierMessage*) override
    {
        ++notified;
        return FourCC("Ntfy");
    }

    void DeleteWithMe(TKW_AINotifier* victim) { m_victim = victim; }

    int notified = 0;

private:
    std::vector<int>& m_deleted;
    int m_id;
    TKW_AINotifier* m_victim = nullptr;
};

class NotifierHandlerTest : public InProcessPluginTest
{
protected:
    RecordingNotifier* Add(const char* type)
    {
        auto* notifier = new RecordingNotifier(m_plugin.get(), type, m_deleted, m_nextId++);
        m_plugin->AddNotifier(notifier);
        return notifier;
    }

    ASErr Notify(AINotifierHandle handle, const char* caller = kCallerAINotifier)
    {
        AINotifierMessage message{Header(), handle, "HL Test", nullptr};
        return Dispatch(caller, kSelectorAINotify, &message);
    }

    std::size_t Count() const { return m_plugin->GetNotifierHandler().Count(); }

    std::vector<int> m_deleted;
    int m_nextId = 1;
};

TEST_F(NotifierHandlerTest, OnlyTheNotifierHoldingTheHandleOfANotifierMessageReceivesIt)
{
    RecordingNotifier* first = Add("HL Test");
    RecordingNotifier* second = Add("HL Test");
    EXPECT_EQ(Notify(second->GetHandle()), kNoErr);  // the notifier's own result is not passed on
    EXPECT_EQ(first->notified, 0);
    Notify(first->GetHandle(), kCallerAITimer);
    EXPECT_EQ(first->notified, 0);
    EXPECT_EQ(second->notified, 1);
    RecordingNotifier* refused = Add(nullptr);  // the host refuses a notifier without a type
    ASSERT_EQ(refused->GetHandle(), nullptr);
    Notify(nullptr);
    EXPECT_EQ(refused->notified, 0);
}

TEST_F(NotifierHandlerTest, DuplicateEntryIsNotifiedOnceAndRemovedEverywhere)
{
    const std::size_t before = Count();
    RecordingNotifier* notifier = Add("HL Test");
    m_plugin->AddNotifier(notifier);
    EXPECT_EQ(Count(), before + 2);
    Notify(notifier->GetHandle());
    EXPECT_EQ(notifier->notified, 1);

    EXPECT_EQ(m_plugin->RemoveNotifier(notifier), kNoErr);
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(m_plugin->RemoveNotifier(notifier), FourCC("ErRN"));
    delete notifier;
}

TEST_F(NotifierHandlerTest, RegressionDestructorDeletingAnotherNotifierDuringTheShutdownWalk)
{
    RecordingNotifier* first = Add("HL Test");
    RecordingNotifier* second = Add("HL Test");
    Add("HL Test");
    first->DeleteWithMe(second);

    SPMessageData header = Header();
    EXPECT_EQ(Dispatch(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &header), kNoErr);
    EXPECT_EQ(m_deleted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Count(), 0u);
}

}  // namespace
