// Script lines read into actions: every verb and target form, the verbatim
// text of "type", comments and blank lines, and malformed lines with their
// line numbers.
#include <gtest/gtest.h>

#include "host/ScriptParser.h"

namespace {

using host::MenuItemRef;
using host::ParseScript;
using host::ScriptAction;
using host::Target;
using Verb = ScriptAction::Verb;

TEST(ScriptParserTest, ReadsEveryFormOfLine)
{
    const std::string script = "# comment\n"
                               "\n"
                               "  panel features\r\n"
                               "choose QVColorMode #2\n"
                               "choose 101 \"Job Type Secure\"\n"
                               "choose @PFList#3 Black\n"
                               "check \"Tab \\\"Margin\\\" \\\\ Title\" off\n"
                               "type 12 two  spaces # not a comment \n"
                               "type 12\n"
                               "type @PFSepTextEditCtrl  lead\n"
                               "step -5 down\n"
                               "preset save My preset  \n"
                               "page 3\n"
                               "dump";
    std::string error;
    const auto parsed = ParseScript(script, error);
    ASSERT_TRUE(parsed) << error;
    const std::vector<ScriptAction>& a = *parsed;
    ASSERT_EQ(a.size(), 12u);
    EXPECT_EQ(a[0].verb, Verb::Panel);
    EXPECT_EQ(a[0].name, "features");
    EXPECT_EQ(a[0].line, 3);
    EXPECT_EQ(a[0].source, "panel features");
    EXPECT_EQ(a[1].target.kind, Target::Kind::Keyword);
    EXPECT_EQ(a[1].target.text, "QVColorMode");
    EXPECT_EQ(a[1].item.kind, MenuItemRef::Kind::Position);
    EXPECT_EQ(a[1].item.position, 2);
    EXPECT_EQ(a[2].target.kind, Target::Kind::Tag);
    EXPECT_EQ(a[2].target.tag, 101);
    EXPECT_EQ(a[2].item.kind, MenuItemRef::Kind::Key);
    EXPECT_EQ(a[2].item.text, "Job Type Secure");
    EXPECT_EQ(a[3].target.kind, Target::Kind::Class);
    EXPECT_EQ(a[3].target.text, "PFList");
    EXPECT_EQ(a[3].target.index, 3);
    EXPECT_EQ(a[3].item.kind, MenuItemRef::Kind::Keyword);
    EXPECT_EQ(a[4].target.kind, Target::Kind::TitleKey);
    EXPECT_EQ(a[4].target.text, "Tab \"Margin\" \\ Title");
    EXPECT_FALSE(a[4].on);
    // The rest of the line after one space, "#" and trailing blanks included.
    EXPECT_EQ(a[5].text, "two  spaces # not a comment ");
    EXPECT_EQ(a[6].verb, Verb::Type);
    EXPECT_EQ(a[6].text, "");
    EXPECT_EQ(a[7].text, " lead");
    EXPECT_EQ(a[8].target.tag, -5);
    EXPECT_EQ(a[8].direction, host::StepDirection::Down);
    EXPECT_EQ(a[9].verb, Verb::PresetSave);
    EXPECT_EQ(a[9].name, "My preset");
    EXPECT_EQ(a[10].page, 3);
    EXPECT_EQ(a[11].verb, Verb::Dump);
}

TEST(ScriptParserTest, RefusesMalformedLinesNamingTheLine)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"jump 3", "unknown action \"jump\""},
        {"panel", "no panel named"},
        {"panel features extra", "unexpected text"},
        {"page 0", "bad page number"},
        {"page two", "bad page number"},
        {"choose 12", "no item"},
        {"choose 12 #0", "bad item position"},
        {"check 12", "expected on or off"},
        {"step 12 sideways", "expected up or down"},
        {"press", "no target"},
        {"press @", "bad class target"},
        {"press @A#x", "bad class index"},
        {"press 12x", "bad target"},
        {"press \"open", "no closing quote"},
        {"press \"a\"b", "text after the closing quote"},
        {"type \"a\"\tb", "after one space"},
        {"preset keep x", "expected save or load"},
        {"preset save", "no preset name"},
        {"print now", "unexpected text"},
    };
    for (const auto& [line, reason] : cases) {
        SCOPED_TRACE(line);
        std::string error;
        EXPECT_FALSE(ParseScript("dump\n\n" + line + "\n", error));
        EXPECT_EQ(error.rfind("line 3: malformed action", 0), 0u) << error;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

} // namespace
