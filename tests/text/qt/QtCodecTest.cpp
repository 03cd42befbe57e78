#include "text/qt/QtCodec.h"

#include <gtest/gtest.h>

TEST(QtCodec, ConvertsBothWays) {
    const QString q = ToQString("Ёлка № 1");
    EXPECT_EQ(q, QString::fromUtf8(reinterpret_cast<const char*>(u8"Ёлка № 1")));
    EXPECT_EQ(FromQString(q), "Ёлка № 1");
}

TEST(QtCodec, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // Kept out of the assertion: its text is a narrow literal in the program's code page.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(u8"a中😀b"));
    EXPECT_EQ(FromQString(text), "a??b");
}
