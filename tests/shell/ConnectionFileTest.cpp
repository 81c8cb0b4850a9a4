#include "shell/ConnectionFile.h"
#include "LogInWorld.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace shelltest;
using ward::ConnectionFileContents;
using ward::ReadConnectionFile;
using ward::WriteConnectionFile;

namespace {

void WriteText(const std::filesystem::path& file, const std::string& text, int mode = 0600) {
    std::ofstream(file) << text;
    chmod(file.c_str(), static_cast<mode_t>(mode));
}

std::string TextOf(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

// The settings a file gives, or the problem it has.
std::string SettingsIn(const std::filesystem::path& file) {
    const ConnectionFileContents read = ReadConnectionFile(file);
    return read.Settings ? Describe(*read.Settings) : read.Problem;
}

TEST(ConnectionFile, IsWrittenForItsOwnerOnlyAndReadsBackTheSame) {
    TempFolder folder;
    const std::filesystem::path file = folder.path / "config" / "ward-client" / "connection";
    ward::ConnectionSettings settings{"HOSPSRV01", 14330, "PATIENT_DATA", "ward", " pa=ss;{word} "};
    WriteConnectionFile(file, settings);
    EXPECT_EQ(ModeOf(file), 0600);
    EXPECT_EQ(ModeOf(file.parent_path()), 0700);
    EXPECT_EQ(TextOf(file),
              "server=HOSPSRV01\nport=14330\ndatabase=PATIENT_DATA\nlogin=ward\npassword= pa=ss;{word} \n");
    EXPECT_EQ(SettingsIn(file), "HOSPSRV01:14330/PATIENT_DATA/ward/[ pa=ss;{word} ]");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);
}

TEST(ConnectionFile, ReplacingAFileOthersCouldReadMakesItPrivate) {
    TempFolder folder;
    const std::filesystem::path file = folder.path / "connection";
    WriteText(file, "server=OLD\n", 0644);
    WriteConnectionFile(file, HospitalServer());
    EXPECT_EQ(ModeOf(file), 0600);
    EXPECT_TRUE(ReadConnectionFile(file).Settings);
}

TEST(ConnectionFile, AValueWithALineBreakIsNotWritten) {
    TempFolder folder;
    const std::filesystem::path file = folder.path / "connection";
    WriteConnectionFile(file, HospitalServer());
    ward::ConnectionSettings settings = HospitalServer();
    settings.Password = "two\nlines";
    EXPECT_THROW(WriteConnectionFile(file, settings), std::runtime_error);
    EXPECT_EQ(ReadConnectionFile(file).Settings->Password, "s3cret");
}

TEST(ConnectionFile, CommentsBlankLinesSpacesAndWindowsLineEndsAreAllowed) {
    TempFolder folder;
    const std::filesystem::path file = folder.path / "connection";
    WriteText(file, "# ward workstation\r\n\r\n server = HOSPSRV01 \r\nDatabase=PATIENT_DATA\r\nlogin=ward\r\n");
    EXPECT_EQ(SettingsIn(file), "HOSPSRV01:1433/PATIENT_DATA/ward/[]");
}

TEST(ConnectionFile, AFileThatCannotBeUsedSaysWhy) {
    const std::string complete = "server=HOSPSRV01\ndatabase=PATIENT_DATA\nlogin=ward\npassword=s3cret\n";
    const struct {
        const char* name;
        std::string text;
        int mode;
        const char* problem; // after the file's quoted path, or whole when it names no file
    } cases[] = {
        {"readable by the group", complete, 0640,
         " is open to other users, so it was not read. Make it private (chmod 600) or enter the connection again "
         "with Connection..."},
        {"readable by others", complete, 0604, " is open to other users, so it was not read."},
        {"writable by the group", complete, 0620, " is open to other users, so it was not read."},
        {"open and malformed", "garbage", 0644, " is open to other users, so it was not read."},
        {"a line without =", "server HOSPSRV01\n", 0600, "Line 1 of the connection file "},
        {"an unknown key", complete + "databse=X\n", 0600, " has the unknown key \"databse\"."},
        {"a port that is no number", complete + "port=14x\n", 0600, " is not a number from 1 to 65535."},
        {"a port out of range", complete + "port=0\n", 0600, " is not a number from 1 to 65535."},
        {"no server", "database=PATIENT_DATA\nlogin=ward\n", 0600, " gives no server."},
        {"no database", "server=HOSPSRV01\nlogin=ward\n", 0600, " gives no database."},
        {"no login", "server=HOSPSRV01\ndatabase=PATIENT_DATA\nlogin= \n", 0600, " gives no login."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::filesystem::path file = folder.path / "connection";
        WriteText(file, c.text, c.mode);
        const ConnectionFileContents read = ReadConnectionFile(file);
        EXPECT_FALSE(read.Settings);
        EXPECT_NE(read.Problem.find(c.problem), std::string::npos) << read.Problem;
        EXPECT_NE(read.Problem.find("\"" + file.string() + "\""), std::string::npos) << read.Problem;
    }
}

TEST(ConnectionFile, AMissingFileOrAFolderInItsPlaceIsNoConnection) {
    TempFolder folder;
    const ConnectionFileContents missing = ReadConnectionFile(folder.path / "connection");
    EXPECT_FALSE(missing.Settings);
    EXPECT_EQ(missing.Problem, "No connection is set up on this workstation: enter it with Connection...");
    const ConnectionFileContents folderInstead = ReadConnectionFile(folder.path);
    EXPECT_FALSE(folderInstead.Settings);
    EXPECT_EQ(folderInstead.Problem, "The connection file \"" + folder.path.string() + "\" is not a plain file.");
}

TEST(ConnectionFile, LivesInTheUsersConfigurationFolder) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string keptXdg = savedXdg != nullptr ? savedXdg : "";
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const struct {
        const char* name;
        const char* xdg;
        std::string expected;
    } cases[] = {
        {"XDG_CONFIG_HOME set", "/srv/config", "/srv/config/ward-client/connection"},
        {"XDG_CONFIG_HOME unset", nullptr, home + "/.config/ward-client/connection"},
        {"XDG_CONFIG_HOME relative", "config", home + "/.config/ward-client/connection"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.xdg != nullptr)
            setenv("XDG_CONFIG_HOME", c.xdg, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(ward::DefaultConnectionFilePath(), c.expected);
    }
    if (savedXdg != nullptr)
        setenv("XDG_CONFIG_HOME", keptXdg.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST(OdbcConnector, AServerThatRefusesRaisesTheDriversText) {
    ward::OdbcConnector connector;
    ward::ConnectionSettings settings{"127.0.0.1", 1, "PATIENT_DATA", "ward", "s3cret"};
    EXPECT_EQ(connector.ServerName(settings), "127.0.0.1");
    EXPECT_FALSE(connector.IsSampleWard());
    try {
        connector.Connect(settings);
        FAIL() << "connected to a closed port";
    } catch (const db::DbError& error) {
        EXPECT_STRNE(error.what(), "");
    }
}

} // namespace
