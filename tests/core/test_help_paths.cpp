#include <gtest/gtest.h>

#include "controls/HelpPaths.h"

TEST(HelpPaths, ReplaceOnlyTheExtension)
{
    EXPECT_EQ(HelpFilePathFor("/usr/bin/zentaro"), "/usr/bin/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/opt/HLP/zentaro"), "/opt/HLP/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/opt/HLP.dir/Zentaro.HLP"), "/opt/HLP.dir/Zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/a.b/zentaro.bin"), "/a.b/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/home/u/.zentaro"), "/home/u/.zentaro.chm");
    EXPECT_EQ(HelpPopupPathFor("/x/zentaro.chm"), "/x/zentaro.chm::/CSHelp.txt");
}
