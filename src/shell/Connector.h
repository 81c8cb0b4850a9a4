#pragma once

#include "platform/db/Connection.h"

#include <memory>
#include <string>

namespace ward {

// Where the workstation's one connection goes: the SQL Server, its database and the SQL login.
struct ConnectionSettings {
    std::string Server;
    int Port = 1433;
    std::string Database, Login, Password;
};

// How the log-in component opens its connection, so the same component runs on the hospital's server or on the
// sample ward.
class Connector {
public:
    virtual ~Connector() = default;
    // Raises db::DbError with the driver's text when the server refuses.
    virtual std::unique_ptr<db::Connection> Connect(const ConnectionSettings& settings) = 0;
    // The server as the status bar shows it and as the ward parameters name the live and test servers.
    virtual std::string ServerName(const ConnectionSettings& settings) const = 0;
    // True when nothing the nurse does reaches a real server.
    virtual bool IsSampleWard() const = 0;
};

// The hospital's SQL Server through the FreeTDS ODBC driver.
class OdbcConnector : public Connector {
public:
    std::unique_ptr<db::Connection> Connect(const ConnectionSettings& settings) override;
    std::string ServerName(const ConnectionSettings& settings) const override { return settings.Server; }
    bool IsSampleWard() const override { return false; }
};

} // namespace ward
