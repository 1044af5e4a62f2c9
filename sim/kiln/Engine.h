#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/CallRecord.h"
#include "sim/kiln/ColorBook.h"
#include "sim/kiln/InkList.h"
#include "sim/kiln/JobRunner.h"
#include "sim/kiln/MessageCenter.h"
#include "sim/kiln/PreferenceStore.h"

#include <string>
#include <vector>

struct SPBasicSuite;

namespace kiln {

class CallText;

// The engine's connection to its colour service as GetConnectionStatus reports it.
struct ConnectionStatus
{
    ASInt32 status;  // 0 connected, 1 warning, other not connected
    std::string title;
    std::string message;

    bool operator==(const ConnectionStatus& other) const
    {
        return status == other.status && title == other.title && message == other.message;
    }
};

// The simulated Kiln engine: one exists between the plug-in's start-up and shut-down messages,
// reached by the suite entries through Current(). It owns every piece of engine state and the
// record of the calls made to its suites (bounded, CallRecord).
class Engine
{
public:
    explicit Engine(const SPBasicSuite* basic);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Null before start-up and after shut-down.
    static Engine* Current();
    static Engine& Start(const SPBasicSuite* basic);
    static void Stop();

    void Record(const CallText& call);
    CallRecord& Calls() { return m_calls; }

    ASInt32 Ready() const { return m_ready; }
    void SetReady(ASInt32 ready) { m_ready = ready; }

    const ConnectionStatus& Connection() const { return m_connection; }
    // Broadcasts "HL Conn Stat" through the host when anything changed, after the change.
    void SetConnection(ConnectionStatus connection);

    PreferenceStore& Preferences() { return m_preferences; }
    ColorBook& Book() { return m_book; }
    InkList& Inks() { return m_inks; }
    MessageCenter& Messages() { return m_messages; }
    JobRunner& Jobs() { return m_jobs; }

private:
    const SPBasicSuite* m_basic;
    CallRecord m_calls;
    ASInt32 m_ready = 1;
    ConnectionStatus m_connection;
    PreferenceStore m_preferences;
    ColorBook m_book;
    InkList m_inks;
    MessageCenter m_messages;
    JobRunner m_jobs;
};

}  // namespace kiln
