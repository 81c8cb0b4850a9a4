#include "sampleward/StatementAnswers.h"
#include "platform/db/DbError.h"

#include <gtest/gtest.h>

using sampleward::Answer;
using sampleward::StatementAnswers;

namespace {

// The first value of the answer's first row, as text.
std::string FirstValue(const std::optional<Answer>& answer) {
    if (!answer)
        return "(no answer)";
    if (answer->IsError())
        return "(error)";
    if (answer->Result().RowCount() == 0)
        return "(no rows)";
    return std::string(answer->Result().values[0].AsString());
}

Answer& ReturnsText(Answer& answer, const std::string& text) { return answer.Returns({"x"}, {{text}}); }

TEST(StatementAnswers, AnExactTextWinsOverAPatternAndPatternsAreTriedInOrder) {
    StatementAnswers answers;
    ReturnsText(answers.OnPattern("select {?} from t"), "first pattern");
    ReturnsText(answers.OnPattern("select {?}"), "second pattern");
    ReturnsText(answers.On("select 1 from t"), "exact");
    EXPECT_EQ(FirstValue(answers.Find("select 1 from t")), "exact");
    EXPECT_EQ(FirstValue(answers.Find("select 2 from t")), "first pattern");
    EXPECT_EQ(FirstValue(answers.Find("select 2")), "second pattern");
    EXPECT_FALSE(answers.Find("update t set x = 2"));
}

TEST(StatementAnswers, RepeatedDeclarationsAnswerInTurnAndTheLastRepeats) {
    StatementAnswers answers;
    ReturnsText(answers.On("select n"), "1");
    ReturnsText(answers.On("select n"), "2");
    ReturnsText(answers.OnPattern("select '{?}'"), "a");
    answers.OnPattern("select '{?}'").Fails("gone", 50000);
    EXPECT_EQ(FirstValue(answers.Find("select n")), "1");
    EXPECT_EQ(FirstValue(answers.Find("select n")), "2");
    EXPECT_EQ(FirstValue(answers.Find("select n")), "2");
    EXPECT_EQ(FirstValue(answers.Find("select 'x'")), "a");
    EXPECT_EQ(FirstValue(answers.Find("select 'y'")), "(error)");
    EXPECT_EQ(FirstValue(answers.Find("select 'z'")), "(error)");
}

TEST(StatementAnswers, AnAnswerDeclaredInsteadDropsTheOnesBefore) {
    StatementAnswers answers;
    ReturnsText(answers.On("select n"), "1");
    ReturnsText(answers.On("select n"), "2");
    ReturnsText(answers.Instead("select n"), "3");
    EXPECT_EQ(FirstValue(answers.Find("select n")), "3");
    EXPECT_EQ(FirstValue(answers.Find("select n")), "3");
}

TEST(StatementAnswers, AWildcardNeverReachesPastAQuote) {
    StatementAnswers answers;
    answers.OnPattern("exec p '{?}','x'").Affects(1);
    EXPECT_TRUE(answers.Find("exec p '02/15/2026 08:00:00 PM','x'"));
    EXPECT_FALSE(answers.Find("exec p 'a','b'; DELETE t; --','x'"));
    EXPECT_THROW(answers.OnPattern("{?}"), std::invalid_argument);
    EXPECT_THROW(answers.OnRule(" {?} ", [](const auto&) { return Answer(); }), std::invalid_argument);
}

TEST(StatementAnswers, ARuleIsGivenTheValuesInOrderAndAnswersAnew) {
    StatementAnswers answers;
    int calls = 0;
    answers.OnRule("check '{?}','{?}'", [&calls](const std::vector<std::string>& values) {
        ++calls;
        Answer answer;
        ReturnsText(answer, values[1] + "/" + values[0]);
        return answer;
    });
    EXPECT_EQ(FirstValue(answers.Find("check 'a',''")), "/a");
    EXPECT_EQ(FirstValue(answers.Find("check 'b','c'")), "c/b");
    EXPECT_EQ(calls, 2);
}

TEST(StatementAnswers, AnErrorIsRaisedWithItsNumberAndText) {
    Answer answer;
    answer.Fails("Invalid object name 't'.", 208);
    try {
        answer.Raise();
        FAIL() << "no error raised";
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.Number(), 208);
        EXPECT_STREQ(error.what(), "Invalid object name 't'.");
    }
    EXPECT_THROW(Answer().Returns({"a", "b"}, {{1}}), std::invalid_argument);
}

} // namespace
