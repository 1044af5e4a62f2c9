#include "ToolkitTestSupport.h"

#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"
#include "toolkit/RVADM_Host.h"

#include <algorithm>

namespace qRVADM {

void PrintTo(const RVADM_Rect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const RVADM_Point& point, std::ostream* os)
{
    *os << "(" << point.h << ", " << point.v << ")";
}

} // namespace qRVADM

namespace toolkittest {
namespace {

struct FakeState
{
    bool interactionAllowed = true;
    int pushes = 0;
    int depth = 0;
};

FakeState g_state;

AIErr PushContext(SPPluginRef, AIAppContextHandle* context)
{
    ++g_state.pushes;
    ++g_state.depth;
    *context = nullptr;
    return kNoErr;
}

AIErr PopContext(AIAppContextHandle)
{
    --g_state.depth;
    return kNoErr;
}

ASBoolean IsInteractionAllowed()
{
    return g_state.interactionAllowed ? 1 : 0;
}

const AIContextSuite kContextSuite = {nullptr, PushContext, PopContext};
const ASUserInteractionSuite kInteractionSuite = {IsInteractionAllowed};

} // namespace

int RecordingModalDialog::Count(const std::string& hook) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), hook));
}

PanelStandInDialog::PanelStandInDialog(unsigned codePage)
    : m_metrics(false, codePage)
{
}

FakeHost::FakeHost()
{
    g_state = FakeState{};
    qRVADM::RVADM_Host::Suites suites;
    suites.context = &kContextSuite;
    suites.interaction = &kInteractionSuite;
    qRVADM::RVADM_Host::Install(suites);
}

FakeHost::~FakeHost()
{
    qRVADM::RVADM_Host::Install({});
}

void FakeHost::SetInteractionAllowed(bool allowed)
{
    g_state.interactionAllowed = allowed;
}

int FakeHost::Pushes()
{
    return g_state.pushes;
}

int FakeHost::Depth()
{
    return g_state.depth;
}

} // namespace toolkittest
