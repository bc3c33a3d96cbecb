#include "platform/gui/QtClipboard.h"

#include <gtest/gtest.h>

using namespace tavrel;

TEST(QtClipboard, HoldsTheTextExactlyAndClears)
{
    QtClipboard clipboard;
    // Trailing blanks and bare line feeds are part of a copied address.
    const QString text = "Ann Smith   \n12 High St  \n";
    clipboard.setText(text);
    EXPECT_EQ(clipboard.text(), text);
    clipboard.clear();
    EXPECT_TRUE(clipboard.text().isEmpty());
}
