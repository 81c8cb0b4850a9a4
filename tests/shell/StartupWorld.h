#pragma once

#include "core/App.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/mdiOrMenu.h"
#include "testkit/FakeComponents.h"
#include "testkit/FixtureWard.h"
#include "testkit/RecordingAnnouncer.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

#include <set>
#include <string>
#include <vector>

namespace shelltest {

// What became of the outside components, in order: "create X", "terminate X", "release X", where X is the program
// identifier, with "#2" for a second instance of one identifier.
using ComponentLog = std::vector<std::string>;

template <class Fake> class Tracked : public Fake {
public:
    Tracked(ComponentLog& log, std::string name) : log(log), name(std::move(name)) {
        log.push_back("create " + this->name);
    }
    ~Tracked() override { log.push_back("release " + name); }

protected:
    ComponentLog& log;
    std::string name;
};

template <class Fake> class TrackedActivity : public Tracked<Fake> {
public:
    using Tracked<Fake>::Tracked;
    void Class_Terminate() override { this->log.push_back("terminate " + this->name); }
};

// The world of the main window's start-up: the fixture ward on the scripted server, and every outside component
// made by the factory as a fake that writes into one log. The test sets what should go wrong before Start.
class StartupWorld {
public:
    // serverNow: the server's clock, as the start-up and every later refresh read it.
    explicit StartupWorld(vb::Variant serverNow = vb::MakeDate({2026, 12, 11, 8, 30, 0}));
    ~StartupWorld();

    testkit::ScriptedHost host;
    testkit::ScriptedServer server;
    ComponentLog log; // outlives the components, which write into it when released
    ward::App app;
    testkit::RecordingAnnouncer& announcer;

    bool loginSucceeds = true;
    std::string failingCreation;          // the identifier whose creation fails
    std::set<std::string> refusingOffers; // identifiers (with "#2") whose components refuse the connection
    bool byGeneric = false;
    std::vector<testkit::Row> nurseSetup = testkit::ward_fixture::NurseSetupRows();
    bool stationRow = true;
    vb::Variant serverNow;

    // Declares the server's answers and loads the main window, which runs the start-up.
    ward::mdiOrMenu& Start();
    // Start, then the one-second timer's tick with its splash.
    ward::mdiOrMenu& StartAndTick();
    ward::mdiOrMenu& Main() { return app.Forms.Instance<ward::mdiOrMenu>(); }
    testkit::FakeLogin& Login() { return dynamic_cast<testkit::FakeLogin&>(*app.CurrentUser); }
    // The statements the start-up sends after the log-in, in order.
    static std::vector<std::string> StartupStatements();

private:
    void RegisterComponents();
    template <class Fake> void Register(const std::string& progId);
    template <class Fake> void RegisterActivity(const std::string& progId);
    std::string InstanceName(const std::string& progId);
    std::map<std::string, int> instances;
};

// The creations of the start-up, in order.
std::vector<std::string> CreatedInOrder(const ComponentLog& log);

} // namespace shelltest
