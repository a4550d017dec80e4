// Group names: the character set, the commit text and the opening boxes.
#include <gtest/gtest.h>

#include "core/Records.h"
#include "editors/channels/GroupNameRules.h"

using namespace ulbrix;

namespace {
// The typed character as it arrives in the box, 0 when dropped.
int Typed(QChar c) { return GroupNameChar(c).value_or(QChar()).unicode(); }
}  // namespace

TEST(GroupNameRules, CharactersAreUpperCasedOrDropped) {
    EXPECT_EQ(Typed('a'), 'A');
    EXPECT_EQ(Typed('z'), 'Z');
    for (char c : {'0', '9', '+', '-', '*', '/', 'Q'}) EXPECT_EQ(Typed(c), c) << c;
    for (QChar c : {QChar('.'), QChar('#'), QChar(' '), QChar(0xE9), QChar(0x4E2D), QChar(22)})
        EXPECT_FALSE(GroupNameChar(c).has_value()) << int(c.unicode());
}

TEST(GroupNameRules, ALoneSecondCharacterKeepsItsPlace) {
    EXPECT_EQ(GroupNameCommitText("A", "B"), "AB");
    EXPECT_EQ(GroupNameCommitText("A", ""), "A");
    EXPECT_EQ(GroupNameCommitText("", "B"), " B");
    EXPECT_EQ(GroupNameCommitText("", ""), "");
    EXPECT_EQ(GroupNameCommitText("AB", "CD"), "AC");  // one character a box, whatever arrives
    // The 2-character field pads what is stored.
    FixedText<2> f;
    f = GroupNameCommitText("", "B").toStdString();
    EXPECT_EQ(f.str(), " B");
    f = GroupNameCommitText("", "").toStdString();
    EXPECT_EQ(f.str(), "  ");
}

TEST(GroupNameRules, BoxesOpenWithTheNamesCharacters) {
    EXPECT_EQ(GroupNameBoxTexts("").first, "");
    EXPECT_EQ(GroupNameBoxTexts("A").first, "A");
    EXPECT_EQ(GroupNameBoxTexts("A").second, "");
    EXPECT_EQ(GroupNameBoxTexts(" B").first, "");
    EXPECT_EQ(GroupNameBoxTexts(" B").second, "B");
    EXPECT_EQ(GroupNameBoxTexts("XY").second, "Y");
}

TEST(GroupNameRules, RangeTextsAndRowsStayInsideTheirTables) {
    EXPECT_EQ(GroupRangeText(BandHF, 11), "");
    EXPECT_EQ(GroupRangeText(BandHAM, 13), "");
    EXPECT_EQ(GroupRangeText(BandCB, 1), "");
    EXPECT_EQ(GroupRangeText(7, 1), "");
    EXPECT_EQ(GroupRangeText(BandHF, 0), "");
    EXPECT_EQ(GroupNameGridRows(BandHAM), 13);
    EXPECT_EQ(GroupNameGridRows(-1), 0);
}
