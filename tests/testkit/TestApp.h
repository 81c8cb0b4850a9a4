#pragma once

#include "core/App.h"
#include "testkit/FakeComponents.h"
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
};

} // namespace testkit
