#include "sampleward/SampleServer.h"

#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

#include <iostream>
#include <optional>

namespace sampleward {

namespace {

std::string FirstWord(const std::string& sql) {
    const std::size_t start = sql.find_first_not_of(" \t\r\n(");
    if (start == std::string::npos)
        return "";
    const std::size_t end = sql.find_first_of(" \t\r\n(", start);
    return vb::UCase(sql.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

db::ResultTable EmptyResult() {
    db::ResultTable result;
    result.hasColumns = true;
    return result;
}

} // namespace

bool IsWriteStatement(const std::string& sql) {
    const std::string word = FirstWord(sql);
    return word == "INSERT" || word == "UPDATE" || word == "DELETE" || word == "MERGE" || word == "TRUNCATE";
}

void SampleServer::SetPrimaryKey(const std::string& table, std::vector<std::string> columns) {
    primaryKeys[table] = std::move(columns);
}

db::ResultTable SampleServer::Send(const std::string& sql, const std::vector<db::Parameter>& parameters) {
    const std::string text = parameters.empty() ? sql : db::RenderWithParameters(sql, parameters);
    if (std::optional<Answer> answer = answers.Find(text)) {
        if (answer->IsError())
            answer->Raise();
        return answer->Result();
    }
    if (IsWriteStatement(text)) {
        db::ResultTable written;
        written.rowsAffected = 1;
        return written;
    }
    std::cerr << "Sample ward: no answer for: " << text << std::endl;
    unanswered.push_back(text);
    return EmptyResult();
}

std::vector<std::string> SampleServer::PrimaryKeyColumns(const std::string& table) {
    auto declared = primaryKeys.find(table);
    return declared == primaryKeys.end() ? std::vector<std::string>{} : declared->second;
}

} // namespace sampleward
