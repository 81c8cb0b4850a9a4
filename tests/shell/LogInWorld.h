#pragma once

#include "SignInWorld.h"
#include "platform/db/DbError.h"
#include "shell/ConnectionFile.h"
#include "shell/clsCurrentuser.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace shelltest {

// A connection that hands every statement to the test's scripted server and counts itself while open, so a test
// sees when the log-in closes its connection.
class ServerLink : public db::Connection {
public:
    ServerLink(testkit::ScriptedServer& server, int& openLinks) : server(server), openLinks(openLinks) { ++openLinks; }
    ~ServerLink() override { --openLinks; }

    std::string ConnectionString() const override { return server.ConnectionString(); }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override {
        return server.Send(sql, parameters);
    }
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override {
        return server.PrimaryKeyColumns(table);
    }

protected:
    void StartTransaction() override { server.BeginTrans(); }
    void EndTransaction(bool commit) override { commit ? server.CommitTrans() : server.RollbackTrans(); }

private:
    testkit::ScriptedServer& server;
    int& openLinks;
};

// Connects to the scripted server, or refuses with the driver texts queued in refusals, one per attempt.
class FakeConnector : public ward::Connector {
public:
    FakeConnector(testkit::ScriptedServer& server, bool sampleWard) : server(server), sampleWard(sampleWard) {}

    std::deque<std::string> refusals;
    std::vector<ward::ConnectionSettings> attempts;
    int openLinks = 0;

    std::unique_ptr<db::Connection> Connect(const ward::ConnectionSettings& settings) override {
        attempts.push_back(settings);
        if (!refusals.empty()) {
            const std::string text = refusals.front();
            refusals.pop_front();
            throw db::DbError(18456, text, "28000");
        }
        return std::make_unique<ServerLink>(server, openLinks);
    }
    std::string ServerName(const ward::ConnectionSettings& settings) const override {
        return sampleWard ? "SAMPLE WARD" : settings.Server;
    }
    bool IsSampleWard() const override { return sampleWard; }

private:
    testkit::ScriptedServer& server;
    bool sampleWard;
};

// A folder of its own for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/ward-login-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path path;
};

inline ward::ConnectionSettings HospitalServer() { return {"HOSPSRV01", 1433, "PATIENT_DATA", "ward", "s3cret"}; }

// "server:port/database/login/[password]", to compare settings in one line.
inline std::string Describe(const ward::ConnectionSettings& s) {
    return s.Server + ":" + std::to_string(s.Port) + "/" + s.Database + "/" + s.Login + "/[" + s.Password + "]";
}

inline int ModeOf(const std::filesystem::path& path) {
    return static_cast<int>(std::filesystem::status(path).permissions() & std::filesystem::perms::all);
}

// The fixture ward's sign-ins on a workstation whose connection file names the hospital's server.
struct LogInWorld {
    explicit LogInWorld(bool sampleWard = false) : connector(std::make_shared<FakeConnector>(test.server, sampleWard)) {
        InstallSignInWorld(test);
        if (!sampleWard)
            ward::WriteConnectionFile(file, HospitalServer());
        user.SetPasswordDeptCode("ZODE");
    }

    testkit::TestApp test;
    TempFolder folder;
    std::filesystem::path file = folder.path / "ward-client" / "connection";
    std::shared_ptr<FakeConnector> connector;
    ward::clsCurrentuser user{test.app, connector, file};
};

} // namespace shelltest
