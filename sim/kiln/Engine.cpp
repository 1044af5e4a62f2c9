#include "sim/kiln/Engine.h"

#include "sim/kiln/CallText.h"
#include "sim/kiln/HostSuite.h"

#include <memory>

namespace kiln {
namespace {

constexpr const char* kConnectionStatusNotifier = "HL Conn Stat";

std::unique_ptr<Engine> g_engine;

}  // namespace

Engine::Engine(const SPBasicSuite* basic)
    : m_basic(basic), m_connection{0, "Connected", "Hueline is connected to its colour service."}, m_jobs(basic)
{
}

Engine* Engine::Current()
{
    return g_engine.get();
}

Engine& Engine::Start(const SPBasicSuite* basic)
{
    g_engine = std::make_unique<Engine>(basic);
    return *g_engine;
}

void Engine::Stop()
{
    g_engine.reset();
}

void Engine::Record(const CallText& call)
{
    m_calls.Add(call.Line());
}

void Engine::SetConnection(ConnectionStatus connection)
{
    if (connection == m_connection)
        return;
    m_connection = std::move(connection);
    Broadcast(m_basic, kConnectionStatusNotifier, nullptr);
}

}  // namespace kiln
