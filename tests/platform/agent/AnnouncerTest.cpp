#include "platform/agent/Announcer.h"
#include "platform/vb/VbError.h"
#include "testkit/RecordingAnnouncer.h"
#include "testkit/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testkit::RecordingAnnouncer;

namespace {

TEST(Announcer, IDsMatchWhateverTheirLetterCase) {
    RecordingAnnouncer announcer;
    announcer.Load("genie", ".\\genie.acs");
    EXPECT_EQ(&announcer.Characters("GENIE"), &announcer.Characters("genie"));
    EXPECT_EQ(announcer.LoadedID("Genie"), "genie");
    announcer.Characters("Genie").Play("announce");
    announcer.Unload("Genie");
    EXPECT_FALSE(announcer.IsLoaded("genie"));
    EXPECT_THAT(announcer.Calls(), ElementsAre("Load genie .\\genie.acs", "genie: Play announce", "Unload Genie"));
}

TEST(Announcer, ACharacterNotLoadedIsAClearError) {
    RecordingAnnouncer announcer;
    EXPECT_THROW(
        {
            try {
                announcer.Characters("genie");
            } catch (const agent::AgentError& error) {
                EXPECT_STREQ(error.what(), "The character \"genie\" is not loaded.");
                throw;
            }
        },
        agent::AgentError);
    EXPECT_THROW(announcer.Unload("genie"), agent::AgentError);
    announcer.Load("genie", "genie.acs");
    EXPECT_THROW(announcer.Load("Genie", "genie.acs"), agent::AgentError);
    EXPECT_THROW(announcer.Characters("merlin"), agent::AgentError);
}

TEST(Announcer, AMissingCharacterFileLeavesNothingLoaded) {
    RecordingAnnouncer announcer;
    announcer.SetFileMissing(true);
    try {
        announcer.Load("genie", ".\\genie.acs");
        FAIL() << "the load went through";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), 53);
        EXPECT_EQ(error.Description(), "File not found: .\\genie.acs");
    }
    EXPECT_FALSE(announcer.IsLoaded("genie"));
    // The file put back, the next start loads it.
    announcer.SetFileMissing(false);
    announcer.Load("genie", ".\\genie.acs");
    EXPECT_TRUE(announcer.IsLoaded("genie"));
}

TEST(Announcer, TheFileIsFoundThroughThePathTheProgramBuilds) {
    testkit::ScratchFolder folder("agent");
    folder.Write("genie.acs", "announcer");
    EXPECT_EQ(agent::FindCharacterFile(folder.ProgramPath("genie.acs")), (folder.Path() / "genie.acs").string());
    EXPECT_THROW(agent::FindCharacterFile(folder.ProgramPath("merlin.acs")), vb::VbError);
    EXPECT_THROW(agent::FindCharacterFile(""), vb::VbError);
}

TEST(Announcer, ADoubleClickTellsTheHandlerTheCharactersID) {
    RecordingAnnouncer announcer;
    std::vector<std::string> heard;
    announcer.DoubleClick("genie");
    announcer.DblClick = [&heard](const std::string& CharacterID) { heard.push_back(CharacterID); };
    announcer.Load("genie", "genie.acs");
    announcer.DoubleClick("genie");
    announcer.DoubleClick("Genie");
    EXPECT_THAT(heard, ElementsAre("genie", "Genie"));
}

TEST(Announcer, TheRecordingNamesEveryCallOfTheCharacterByItsLoadedID) {
    RecordingAnnouncer announcer;
    announcer.Load("genie", "genie.acs");
    announcer.ClearCalls();
    agent::Character& genie = announcer.Characters("GENIE");
    genie.Show();
    genie.SetBalloonStyle(1);
    genie.MoveTo(900, 600);
    genie.SetLanguageID(1033);
    genie.Speak(" Double click me to view the list.");
    genie.SetBalloonVisible(false);
    genie.Stop();
    genie.Hide();
    EXPECT_THAT(announcer.Calls(),
                ElementsAre("genie: Show", "genie: BalloonStyle 1", "genie: MoveTo 900 600", "genie: LanguageID 1033",
                            "genie: Speak  Double click me to view the list.", "genie: BalloonVisible False",
                            "genie: Stop", "genie: Hide"));
}

} // namespace
