// Each kind of call that may wait, made while the shared state's lock is
// held, stops the program and names itself, as does a log whose last slot
// is a removed QSO: the checks every native path makes are seen to work.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "contest/bad_qso_file.h"
#include "contest/c_file.h"
#include "contest/file_output.h"
#include "contest/log_store.h"
#include "plugin/shared_state.h"
#include "tests/support/fake_environment.h"
#include "tests/windows/fake_host_link.h"

namespace {

struct BlockingCall {
    const char* name;  // as the message names it
    std::function<void()> call;
};

TEST(LockRule, EachBlockingCallUnderTheLockStopsTheProgram) {
    FakeEnvironment env;
    MapProfileStore store;
    Settings settings(store);
    FakeHostLink host;
    CabrilloHeader header;
    PluginState state;
    SharedState shared(state);
    const BlockingCall calls[] = {
        {"AppendInOneWrite", [] { AppendInOneWrite("", ""); }},
        {"ReplaceInOneStep", [] { ReplaceInOneStep("", "", Flush::kNo); }},
        {"OpenCFile", [] { OpenCFile("", "r"); }},
        {"BadQso::Exists", [] { BadQso::Exists(""); }},
        {"FindFiles", [&] { env.FindFiles("*"); }},
        {"Settings::ReadText", [&] { settings.ReadText("Start", ""); }},
        {"Settings::WriteText", [&] { settings.WriteText("Start", "1"); }},
        {"ShowOutput", [&] { env.ShowOutput(""); }},
        {"the header dialog", [&] { env.Edit(header); }},
        {"StartUiThread", [&] { env.StartUiThread(); }},
        {"the host's typed call", [&] { host.TypedCall(); }},
        {"the host's dial", [&] { host.DialHz(); }},
        {"the host's macro", [&] { host.SendMacro(""); }},
        {"the last of 1 slots", [] { LogStore::ExpectLiveTail({LogStore::Keys{}}); }},
    };
    for (const BlockingCall& blocking : calls) {
        EXPECT_DEATH(
            {
                const SharedState::Locked held = shared.Lock();
                blocking.call();
            },
            std::string("rule broken: ") + blocking.name)
            << blocking.name;
    }
}

}  // namespace
