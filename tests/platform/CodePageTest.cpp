#include <gtest/gtest.h>

#include "platform/CodePage.h"

using namespace platform;

namespace {

QByteArray AllBytes() {
    QByteArray b;
    for (int c = 1; c <= 255; ++c) b += static_cast<char>(c);
    return b;
}

}  // namespace

// Every byte of code page 1252 is a character and comes back unchanged, the
// five codes without a character of their own as the control character of
// the same code.
TEST(CodePage, Windows1252CarriesEveryByteBothWays) {
    bool ok = false;
    const QString text = FromCodePage(AllBytes(), 1252, &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(text.size(), 255);
    for (const int code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(text[code - 1].unicode(), code) << std::hex << code;
    EXPECT_EQ(text[0x80 - 1], QChar(0x20AC));  // the euro sign stays what 1252 says
    EXPECT_EQ(text[0x8E - 1], QChar(0x017D));
    EXPECT_EQ(ToCodePage(text, 1252, &ok), AllBytes());
    EXPECT_TRUE(ok);
    EXPECT_EQ(FromCodePageByteWise(AllBytes(), 1252), text);

    // Mixed runs: the unassigned codes at the start, the end and side by side.
    const QByteArray mixed("\x81" "Ab\x8D\x8F\xE4\x9D", 7);
    const QString back = FromCodePage(mixed, 1252, &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(back, QString::fromUtf16(u"\u0081Ab\u008D\u008F\u00E4\u009D"));
    EXPECT_EQ(ToCodePage(back, 1252), mixed);
}

TEST(CodePage, WhatHasNoFormIsStillRefused) {
    bool ok = true;
    EXPECT_TRUE(ToCodePage(QString::fromUtf16(u"A\u4E2D"), 1252, &ok).isEmpty());  // no CJK in 1252
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_TRUE(ToCodePage(QString::fromUtf16(u"\u0080"), 1252, &ok).isEmpty());  // 0x80 is the euro sign there
    EXPECT_FALSE(ok);
    ok = true;
    FromCodePage(QByteArray("\x81", 1), 936, &ok);  // a lead byte alone: other code pages are unchanged
    EXPECT_FALSE(ok);
    EXPECT_EQ(FromCodePage(QByteArray("\xD6\xD0", 2), 936, &ok), QString::fromUtf16(u"\u4E2D"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(AnsiCodePageForLcid("407"), 1252);
    EXPECT_EQ(AnsiCodePageForLcid("804"), 936);
    EXPECT_EQ(AnsiCodePageForLcid("nonsense"), 1252);
}
