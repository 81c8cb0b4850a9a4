#pragma once

#include "platform/db/Connection.h"

#include <map>
#include <string>
#include <vector>

namespace db::odbc {

// The parts of a SQL Server connection through the FreeTDS driver.
struct FreeTdsSettings {
    std::string server;
    int port = 1433;
    std::string database;
    std::string user;
    std::string password;
};

// Names the FreeTDS driver library as the package installs it; protocol 7.4 so dates arrive as dates, UTF-8 text.
std::string FreeTdsConnectionString(const FreeTdsSettings& settings);

// A value of a connection string, in braces when it holds characters the string's syntax uses.
std::string ConnectionStringValue(const std::string& value);

// A connection through unixODBC. Each statement's results are read whole into memory and its statement handle freed
// before Send returns, so the connection never holds an active statement (FreeTDS allows only one).
class OdbcConnection : public Connection {
public:
    // Connects at once; a refused connection raises DbError with the driver's message.
    explicit OdbcConnection(std::string connectionString);
    ~OdbcConnection() override;

    std::string ConnectionString() const override { return connectionString; }
    ResultTable Send(const std::string& sql, const std::vector<Parameter>& parameters) override;
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override;

protected:
    void StartTransaction() override;
    void EndTransaction(bool commit) override;
    void RestoreAutoCommit() override;

private:
    struct TableName {
        std::string catalog;
        std::string schema;
        std::string table;
    };
    std::vector<std::string> CatalogPrimaryKeys(TableName name);
    std::vector<std::string> SchemaViewPrimaryKeys(const TableName& name);

    std::string connectionString;
    void* environment = nullptr;
    void* connection = nullptr;
    std::map<std::string, std::vector<std::string>> primaryKeys;
};

} // namespace db::odbc
