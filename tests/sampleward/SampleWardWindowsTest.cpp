#include "SampleWardApp.h"
#include "program/AllWindows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

TEST(SampleWard, TheSettingsShowCF4AndTheStatementsBeforeAnyWindowAreAnswered) {
    SampleWardApp ward;
    EXPECT_TRUE(ward.app.Parameters().ShowCF4());
    EXPECT_EQ(ward.app.HospitalName, "TESSUN SAMPLE HOSPITAL");
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SampleWard, EveryWindowLoadsWithoutAStatementLeftUnanswered) {
    for (const auto& entry : ward::AllWindows().Entries()) {
        SCOPED_TRACE(entry.Name);
        SampleWardApp ward;
        entry.Load(ward.app);
        EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
    }
}

} // namespace
