#pragma once

#include "core/App.h"
#include "testkit/FakeComponents.h"
#include "testkit/RecordingAnnouncer.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

namespace testkit {

// A fresh application for one test: scripted host and server, a fake of every outside component in its module
// variable (the log-in component holding the scripted server as its connection), and the values the start-up gives
// before any window runs. The typed references reach the fakes. The report engine records every report instead of
// printing it, and raises the real engine's error for a template the program does not ship.
class TestApp {
public:
    TestApp();

    // Lets the main window's start-up create the outside components: each program identifier hands over the fake
    // already in its module variable, so the typed references below stay the fakes the program works with.
    void LetStartUpCreateTheFakes();

    ScriptedHost host;
    ScriptedServer server;
    ward::App app;

    FakeLogin& currentUser;
    FakePatientSearch& patientSearch;
    FakeCodeSearch& codeSearch;
    FakeKeyFilter& keyFilter;
    FakeKeyFilter& keyFilter1;
    FakeDrug& drugObject;
    FakeDrugList& drugListObject;
    FakeDrugList& drugListObject2;
    FakeICDSearch& icdSearch;
    FakeLabResultViewer& labResultViewer;
    FakeRequestList& requestObject;
    FakeResults& resultsObject;
    FakeConfinement& confinementObject;
    FakeConfinementResults& confinementResultsObject;
    FakeChargeSlipList& chargeSlipObject;
    FakeIssuedItems& issuedMedsObject;
    FakePatientInfo& patientObject;
    RecordingReportEngine& reportEngine;
    RecordingAnnouncer& announcer;
};

} // namespace testkit
