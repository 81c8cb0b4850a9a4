#include "shell/Connector.h"

#include "platform/db/odbc/OdbcConnection.h"

namespace ward {

std::unique_ptr<db::Connection> OdbcConnector::Connect(const ConnectionSettings& settings) {
    return std::make_unique<db::odbc::OdbcConnection>(db::odbc::FreeTdsConnectionString(
        {settings.Server, settings.Port, settings.Database, settings.Login, settings.Password}));
}

} // namespace ward
