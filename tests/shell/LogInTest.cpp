#include "LogInWorld.h"
#include "platform/forms/LayoutCheck.h"
#include "shell/AccessCheck.h"
#include "shell/frmCF4Entry.h"
#include "shell/frmConfirmAccessCode.h"
#include "shell/frmConnection.h"
#include "shell/frmLogIn.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace testkit;
using namespace shelltest;
using ward::frmLogIn;

namespace {

const char* NotAccepted = "The user ID or access code is not accepted for this department.";

std::string NurseCheck() {
    return fixture::ActingUserCheck(fixture::NurseCode, fixture::SignInOf(fixture::NurseCode).enciphered);
}

void TypeSignIn(frmLogIn& dialog, const std::string& userID, const std::string& accessCode) {
    Type(dialog.txtUserID, userID);
    Type(dialog.txtAccessCode, accessCode);
}

void ExpectSignedOut(LogInWorld& world) {
    EXPECT_FALSE(world.user.Connected());
    EXPECT_EQ(world.user.EmployeeCode(), "");
    EXPECT_EQ(world.connector->openLinks, 0);
    EXPECT_THROW(world.user.SQLConnection(), db::DbError);
}

TEST(clsCurrentuser, TheNurseSignsInOnTheServerOfTheConnectionFile) {
    LogInWorld world;
    world.test.host.OnModal<frmLogIn>([](frmLogIn& dialog) {
        EXPECT_EQ(dialog.Caption(), "Log In");
        EXPECT_EQ(dialog.lblConnection.Caption(), "Server HOSPSRV01, database PATIENT_DATA");
        EXPECT_EQ(dialog.txtAccessCode.PasswordChar(), '*');
        EXPECT_TRUE(dialog.cmdLogIn.Default());
        TypeSignIn(dialog, " N0001 ", "NURSE01");
        PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    world.user.ShowMain();
    EXPECT_TRUE(world.test.server.SentExactly({NurseCheck()}));
    ASSERT_EQ(world.connector->attempts.size(), 1u);
    EXPECT_EQ(Describe(world.connector->attempts[0]), "HOSPSRV01:1433/PATIENT_DATA/ward/[s3cret]");
    EXPECT_TRUE(world.user.Connected());
    EXPECT_EQ(world.user.EmployeeCode(), "N0001");
    EXPECT_EQ(world.user.EmployeeName(), "SANTOS, MARIA LOPEZ");
    EXPECT_EQ(world.user.Initial(), "MLS");
    EXPECT_EQ(world.user.servername(), "HOSPSRV01");
    EXPECT_EQ(world.user.Database(), "PATIENT_DATA");
    EXPECT_EQ(world.user.ServerPassword(), "s3cret");
    EXPECT_EQ(world.user.Station(), "SIC");
    EXPECT_EQ(world.user.SQLConnection().ConnectionString(), world.test.server.ConnectionString());
    EXPECT_FALSE(world.test.app.Forms.IsLoaded<frmLogIn>());
}

TEST(clsCurrentuser, ARefusedCodeKeepsTheDialogOpenOnTheSameConnection) {
    LogInWorld world;
    const std::string wrong = fixture::ActingUserCheck("N0001", "5BF5 41A253C");
    world.test.server.On(wrong).Returns(fixture::SignInColumns(), {});
    world.test.host.ExpectMsgBox(NotAccepted).Title("Log In").Buttons(forms::vbOKOnly | forms::vbInformation);
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        TypeSignIn(dialog, "N0001", "WRONG");
        Click(dialog.cmdLogIn);
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_FALSE(world.user.Connected());
        EXPECT_EQ(dialog.txtUserID.Text(), "N0001");
        EXPECT_EQ(dialog.txtAccessCode.Text(), "");
        EXPECT_TRUE(dialog.txtAccessCode.HasFocus());
        Type(dialog.txtAccessCode, "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_TRUE(world.test.server.SentExactly({wrong, NurseCheck()}));
    EXPECT_EQ(world.connector->attempts.size(), 1u);
    EXPECT_TRUE(world.user.Connected());
}

TEST(clsCurrentuser, ARefusedConnectionShowsTheDriversTextAndTheDialogStays) {
    LogInWorld world;
    world.connector->refusals = {"Login failed for user 'ward'."};
    world.test.host.ExpectMsgBox("Cannot connect to HOSPSRV01.\n\nLogin failed for user 'ward'.")
        .Title("Log In")
        .Buttons(forms::vbOKOnly | forms::vbCritical);
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        TypeSignIn(dialog, "N0001", "NURSE01");
        Click(dialog.cmdLogIn);
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_TRUE(world.test.server.SentExactly({}));
        Type(dialog.txtAccessCode, "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_EQ(world.connector->attempts.size(), 2u);
    EXPECT_TRUE(world.test.server.SentExactly({NurseCheck()}));
    EXPECT_TRUE(world.user.Connected());
}

TEST(clsCurrentuser, AFailingCheckIsShownAndTheNextAttemptConnectsAnew) {
    LogInWorld world;
    world.test.server.FailStatement(0, "Could not find stored procedure 'Station..sp_Check_User_Department_Access'.",
                                    2812);
    world.test.host
        .ExpectMsgBox("The server could not check the user.\n\nCould not find stored procedure "
                      "'Station..sp_Check_User_Department_Access'.")
        .Title("Log In");
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        TypeSignIn(dialog, "N0001", "NURSE01");
        Click(dialog.cmdLogIn);
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_EQ(world.connector->openLinks, 0);
        Type(dialog.txtAccessCode, "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_EQ(world.connector->attempts.size(), 2u);
    EXPECT_TRUE(world.user.Connected());
}

TEST(clsCurrentuser, GivingUpClosesTheConnectionAndLeavesNoOneSignedIn) {
    const struct {
        const char* name;
        std::function<void(frmLogIn&)> giveUp;
    } cases[] = {
        {"Cancel", [](frmLogIn& d) { Click(d.cmdCancel); }},
        {"Escape", [](frmLogIn& d) { PressKey(d.txtAccessCode, forms::vbKeyEscape); }},
        {"close box", [](frmLogIn& d) { CloseWindow(d); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogInWorld world;
        world.test.server.On(fixture::ActingUserCheck("N0001", "5BF5 41A253C")).Returns(fixture::SignInColumns(), {});
        world.test.host.ExpectMsgBox(NotAccepted);
        world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
            TypeSignIn(dialog, "N0001", "WRONG");
            Click(dialog.cmdLogIn);
            ASSERT_EQ(world.connector->openLinks, 1);
            c.giveUp(dialog);
        });
        world.user.ShowMain();
        ExpectSignedOut(world);
        EXPECT_FALSE(world.test.app.Forms.IsLoaded<frmLogIn>());
    }
}

TEST(clsCurrentuser, EnterInAnEmptyBoxMovesThereAndSendsNothing) {
    LogInWorld world;
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        PressKey(dialog.txtUserID, forms::vbKeyReturn);
        EXPECT_TRUE(dialog.txtUserID.HasFocus());
        Type(dialog.txtUserID, "N0001");
        PressKey(dialog.txtUserID, forms::vbKeyReturn);
        EXPECT_TRUE(dialog.txtAccessCode.HasFocus());
        EXPECT_TRUE(world.connector->attempts.empty());
        Click(dialog.cmdCancel);
    });
    world.user.ShowMain();
    EXPECT_TRUE(world.test.server.SentExactly({}));
}

TEST(clsCurrentuser, AnApostropheInTheUserIDIsQuoted) {
    LogInWorld world;
    const std::string check = "Station..sp_Check_User_Department_Access 'O''NEIL','" +
                              fixture::SignInOf(fixture::NurseCode).enciphered + "','ZODE'";
    world.test.server.On(check).Returns(fixture::SignInColumns(), {});
    world.test.host.ExpectMsgBox(NotAccepted);
    world.test.host.OnModal<frmLogIn>([](frmLogIn& dialog) {
        TypeSignIn(dialog, "O'NEIL", "NURSE01");
        Click(dialog.cmdLogIn);
        Click(dialog.cmdCancel);
    });
    world.user.ShowMain();
    EXPECT_TRUE(world.test.server.SentExactly({check}));
}

TEST(clsCurrentuser, TheDepartmentCodeIsTheOneTheProgramGave) {
    LogInWorld world;
    world.user.SetPasswordDeptCode("SICU");
    const std::string check = "Station..sp_Check_User_Department_Access 'N0001','" +
                              fixture::SignInOf(fixture::NurseCode).enciphered + "','SICU'";
    world.test.server.On(check).Returns(fixture::SignInColumns(), {{"SANTOS", "MARIA", "LOPEZ"}});
    world.test.host.OnModal<frmLogIn>([](frmLogIn& dialog) {
        TypeSignIn(dialog, "N0001", "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_TRUE(world.test.server.SentExactly({check}));
}

TEST(clsCurrentuser, WithoutAUsableFileTheDialogSaysWhyAndDoesNotConnect) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> spoil;
        const char* says;
    } cases[] = {
        {"missing", [](const std::filesystem::path& file) { std::filesystem::remove(file); },
         "No connection is set up on this workstation: enter it with Connection..."},
        {"readable by others",
         [](const std::filesystem::path& file) {
             std::filesystem::permissions(file, std::filesystem::perms::others_read,
                                          std::filesystem::perm_options::add);
         },
         "is open to other users, so it was not read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogInWorld world;
        c.spoil(world.file);
        std::string shown;
        world.test.host.ExpectMsgBox(ward::ReadConnectionFile(world.file).Problem).Title("Log In");
        world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
            shown = dialog.lblConnection.Caption();
            TypeSignIn(dialog, "N0001", "NURSE01");
            Click(dialog.cmdLogIn);
            Click(dialog.cmdCancel);
        });
        world.user.ShowMain();
        EXPECT_NE(shown.find(c.says), std::string::npos) << shown;
        EXPECT_TRUE(world.connector->attempts.empty());
        ExpectSignedOut(world);
    }
}

TEST(clsCurrentuser, TheConnectionEnteredIsSavedPrivatelyAndUsedAtOnce) {
    LogInWorld world;
    std::filesystem::remove_all(world.file.parent_path());
    world.test.host.OnModal<ward::frmConnection>([](ward::frmConnection& dialog) {
        EXPECT_EQ(dialog.txtServer.Text(), "");
        EXPECT_EQ(dialog.txtPort.Text(), "1433");
        EXPECT_EQ(dialog.txtPassword.PasswordChar(), '*');
        Type(dialog.txtServer, "SQLWARD2");
        dialog.txtPort.SetText("");
        Type(dialog.txtPort, "14330");
        Type(dialog.txtDatabase, "PATIENT_DATA");
        Type(dialog.txtLogin, "ward");
        Type(dialog.txtPassword, " pass word; ");
        Click(dialog.cmdSave);
    });
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        Click(dialog.cmdConnection);
        EXPECT_EQ(dialog.lblConnection.Caption(), "Server SQLWARD2:14330, database PATIENT_DATA");
        TypeSignIn(dialog, "N0001", "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_EQ(ModeOf(world.file), 0600);
    EXPECT_EQ(ModeOf(world.file.parent_path()), 0700);
    const ward::ConnectionFileContents saved = ward::ReadConnectionFile(world.file);
    ASSERT_TRUE(saved.Settings) << saved.Problem;
    EXPECT_EQ(Describe(*saved.Settings), "SQLWARD2:14330/PATIENT_DATA/ward/[ pass word; ]");
    ASSERT_EQ(world.connector->attempts.size(), 1u);
    EXPECT_EQ(Describe(world.connector->attempts[0]), Describe(*saved.Settings));
    EXPECT_EQ(world.user.servername(), "SQLWARD2");
    EXPECT_TRUE(world.user.Connected());
}

TEST(clsCurrentuser, SavingANewConnectionClosesTheOldOne) {
    LogInWorld world;
    world.test.server.On(fixture::ActingUserCheck("N0001", "5BF5 41A253C")).Returns(fixture::SignInColumns(), {});
    world.test.host.ExpectMsgBox(NotAccepted);
    world.test.host.OnModal<ward::frmConnection>([](ward::frmConnection& dialog) {
        EXPECT_EQ(dialog.txtServer.Text(), "HOSPSRV01");
        dialog.txtDatabase.SetText("PATIENT_TEST");
        Click(dialog.cmdSave);
    });
    world.test.host.OnModal<frmLogIn>([&](frmLogIn& dialog) {
        TypeSignIn(dialog, "N0001", "WRONG");
        Click(dialog.cmdLogIn);
        ASSERT_EQ(world.connector->openLinks, 1);
        Click(dialog.cmdConnection);
        EXPECT_EQ(world.connector->openLinks, 0);
        Type(dialog.txtAccessCode, "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    ASSERT_EQ(world.connector->attempts.size(), 2u);
    EXPECT_EQ(world.connector->attempts[1].Database, "PATIENT_TEST");
    EXPECT_EQ(world.user.Database(), "PATIENT_TEST");
}

TEST(frmConnection, AnIncompleteEntryIsPointedOutAndNothingIsSaved) {
    const struct {
        const char* name;
        std::function<void(ward::frmConnection&)> spoil;
        const char* message;
        forms::TextBox ward::frmConnection::*box;
    } cases[] = {
        {"no server", [](ward::frmConnection& d) { d.txtServer.SetText("  "); }, "Please enter the server.",
         &ward::frmConnection::txtServer},
        {"port not a number", [](ward::frmConnection& d) { d.txtPort.SetText("14 33"); },
         "The port must be a number from 1 to 65535.", &ward::frmConnection::txtPort},
        {"port too large", [](ward::frmConnection& d) { d.txtPort.SetText("65536"); },
         "The port must be a number from 1 to 65535.", &ward::frmConnection::txtPort},
        {"no database", [](ward::frmConnection& d) { d.txtDatabase.SetText(""); }, "Please enter the database.",
         &ward::frmConnection::txtDatabase},
        {"no login", [](ward::frmConnection& d) { d.txtLogin.SetText(""); }, "Please enter the SQL login.",
         &ward::frmConnection::txtLogin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        TempFolder folder;
        auto& dialog = test.app.Forms.Instance<ward::frmConnection>();
        dialog.File = folder.path / "connection";
        dialog.Settings = HospitalServer();
        test.host.ExpectMsgBox(c.message).Title("Connection").Buttons(forms::vbOKOnly | forms::vbExclamation);
        test.host.OnModal<ward::frmConnection>([&](ward::frmConnection& shown) {
            c.spoil(shown);
            Click(shown.cmdSave);
            EXPECT_TRUE(shown.IsLoaded());
            EXPECT_TRUE((shown.*c.box).HasFocus());
            Click(shown.cmdCancel);
        });
        dialog.ShowModal();
        EXPECT_FALSE(dialog.Saved);
        EXPECT_FALSE(std::filesystem::exists(dialog.File));
    }
}

TEST(frmConnection, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    TestApp test;
    TempFolder folder;
    std::ofstream(folder.path / "blocker") << "not a folder";
    auto& dialog = test.app.Forms.Instance<ward::frmConnection>();
    dialog.File = folder.path / "blocker" / "connection";
    dialog.Settings = HospitalServer();
    test.host
        .ExpectMsgBox("The connection was not saved.\n\nCannot write in the folder \"" +
                      (folder.path / "blocker").string() + "\": Not a directory")
        .Title("Connection");
    test.host.OnModal<ward::frmConnection>([](ward::frmConnection& shown) {
        Click(shown.cmdSave);
        EXPECT_TRUE(shown.IsLoaded());
        Click(shown.cmdCancel);
    });
    dialog.ShowModal();
    EXPECT_FALSE(dialog.Saved);
}

TEST(clsCurrentuser, OnTheSampleWardNoFileIsNeededAndTheDialogSaysNothingIsSaved) {
    LogInWorld world(true);
    world.test.host.OnModal<frmLogIn>([](frmLogIn& dialog) {
        EXPECT_EQ(dialog.lblConnection.Caption(), "SAMPLE WARD: nothing is saved");
        EXPECT_FALSE(dialog.cmdConnection.Enabled());
        TypeSignIn(dialog, "N0001", "NURSE01");
        Click(dialog.cmdLogIn);
    });
    world.user.ShowMain();
    EXPECT_FALSE(std::filesystem::exists(world.file));
    EXPECT_EQ(world.connector->attempts.size(), 1u);
    EXPECT_TRUE(world.user.Connected());
    EXPECT_EQ(world.user.servername(), "SAMPLE WARD");
}

TEST(clsCurrentuser, TheAccessCodeAskedAgainIsCheckedForTheSignedInUser) {
    const struct {
        const char* name;
        std::function<void(ward::frmConfirmAccessCode&)> answer;
        std::vector<std::string> sent;
        bool passed;
    } cases[] = {
        {"right code",
         [](ward::frmConfirmAccessCode& d) {
             Type(d.txtAccessCode, "NURSE01");
             PressKey(d.txtAccessCode, forms::vbKeyReturn);
         },
         {NurseCheck()},
         true},
        {"wrong code",
         [](ward::frmConfirmAccessCode& d) {
             Type(d.txtAccessCode, "WRONG");
             Click(d.cmdOK);
         },
         {fixture::ActingUserCheck("N0001", "5BF5 41A253C")},
         false},
        {"cancelled",
         [](ward::frmConfirmAccessCode& d) {
             Type(d.txtAccessCode, "NURSE01");
             Click(d.cmdCancel);
         },
         {},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogInWorld world;
        world.test.server.On(fixture::ActingUserCheck("N0001", "5BF5 41A253C")).Returns(fixture::SignInColumns(), {});
        world.test.host.OnModal<frmLogIn>([](frmLogIn& dialog) {
            TypeSignIn(dialog, "N0001", "NURSE01");
            Click(dialog.cmdLogIn);
        });
        world.user.ShowMain();
        const std::size_t mark = world.test.server.Mark();
        world.test.host.OnModal<ward::frmConfirmAccessCode>([&](ward::frmConfirmAccessCode& dialog) {
            EXPECT_EQ(dialog.txtAccessCode.PasswordChar(), '*');
            c.answer(dialog);
        });
        EXPECT_EQ(world.user.checkusersettings(), c.passed);
        EXPECT_TRUE(world.test.server.SentExactly(c.sent, mark));
        EXPECT_TRUE(world.user.Connected());
    }
}

TEST(clsCurrentuser, NoOneSignedInHasNoSettingsToOpen) {
    LogInWorld world;
    EXPECT_FALSE(world.user.checkusersettings());
    EXPECT_TRUE(world.test.host.ModalShows().empty());
}

TEST(clsCurrentuser, TheClassLibraryHandsOutOneCF4ObjectThatKeepsWhatWasSet) {
    LogInWorld world;
    components::ClassLibrary& classes = world.user.ZENTARIClasses();
    std::shared_ptr<components::CF4Component> first = classes.clsCF4();
    first->SetIdNum("A0001");
    first->SetEmployeeCode("N0001");
    first->SetTitle("PhilHealth CF4 Entries  - DELA CRUZ, JUAN ( A0001 )");
    classes.SetUseClasses(true);
    classes.initwithdb();
    ASSERT_EQ(classes.clsCF4(), first);
    auto& cf4 = static_cast<ward::clsCF4&>(*classes.clsCF4());
    EXPECT_EQ(cf4.IdNum, "A0001");
    EXPECT_EQ(cf4.EmployeeCode, "N0001");
    EXPECT_TRUE(world.test.server.SentExactly({}));

    world.test.host.OnModal<ward::frmCF4Entry>([](ward::frmCF4Entry& window) {
        EXPECT_EQ(window.Caption(), "PhilHealth CF4 Entries  - DELA CRUZ, JUAN ( A0001 )");
        EXPECT_EQ(window.lblMessage.Caption(), "CF4 entries are kept outside this program.");
        Click(window.cmdOK);
    });
    cf4.ShowEntry();
    EXPECT_FALSE(world.test.app.Forms.IsLoaded<ward::frmCF4Entry>());
}

// Nothing in the database says whether the CF4 is complete, so the nurse, who can look where it is kept, is asked.
TEST(clsCurrentuser, TheCF4CheckAsksTheNurseAboutTheAdmissionSet) {
    struct Case {
        const char* name;
        int answer;
        bool complete;
    };
    const Case cases[] = {{"Yes", forms::vbYes, true}, {"No", forms::vbNo, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LogInWorld world;
        std::shared_ptr<components::CF4Component> cf4 = world.user.ZENTARIClasses().clsCF4();
        cf4->SetIdNum("2026000123 ");
        cf4->SetEmployeeCode("N0001");
        world.test.host
            .ExpectMsgBox("PhilHealth CF4 entries are kept outside this program.\r\nIs the CF4 of admission "
                          "2026000123  complete?")
            .Buttons(forms::vbYesNo | forms::vbQuestion)
            .Title("CF4 (Philhealth)")
            .Answer(c.answer);
        EXPECT_EQ(world.user.ZENTARIClasses().clsCF4()->ValidateRequirements(), c.complete);
        EXPECT_TRUE(world.test.server.SentExactly({}));
    }
}

TEST(clsCurrentuser, IsRegisteredUnderItsProgramIdentifier) {
    TestApp test;
    components::ComponentFactory factory;
    ward::RegisterLoginComponent(factory, test.app, std::make_shared<FakeConnector>(test.server, true));
    std::unique_ptr<components::LoginComponent> user =
        factory.Create<components::LoginComponent>("Zentari_User.clsCurrentuser");
    ASSERT_NE(dynamic_cast<ward::clsCurrentuser*>(user.get()), nullptr);
    EXPECT_FALSE(user->Connected());
    EXPECT_EQ(user->servername(), "SAMPLE WARD");
}

TEST(LogInWindows, LoadWithoutAComponentAndNoControlsOverlap) {
    TestApp test;
    for (forms::Form* window : std::initializer_list<forms::Form*>{
             &test.app.Forms.Get<frmLogIn>(), &test.app.Forms.Get<ward::frmConnection>(),
             &test.app.Forms.Get<ward::frmConfirmAccessCode>(), &test.app.Forms.Get<ward::frmCF4Entry>()}) {
        SCOPED_TRACE(window->Name());
        EXPECT_TRUE(forms::FindOverlaps(*window).empty());
    }
    EXPECT_TRUE(test.server.SentExactly({}));
}

TEST(InitialsOf, TakesTheGivenNamesFirstThenTheLastName) {
    const struct {
        const char* name;
        const char* initials;
    } cases[] = {
        {"SANTOS, MARIA LOPEZ", "MLS"},
        {"REYES, ANA ", "AR"},
        {"DELA CRUZ, JUAN  PABLO", "JPD"},
        {"cruz, elena diaz", "EDC"},
        {"MADONNA", "M"},
        {"", ""},
        {", ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ward::InitialsOf(c.name), c.initials) << c.name;
}

} // namespace
