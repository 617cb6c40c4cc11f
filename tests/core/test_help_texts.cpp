#include <gtest/gtest.h>

#include "controls/HelpIds.h"
#include "controls/HelpTexts.h"

TEST(PopupTexts, TopicsWithTheirTexts)
{
    const auto texts = ParsePopupTexts(".topic 2156201121\n"
                                       "Otwiera przeliczanie Kv.\n"
                                       "\n"
                                       ".topic 0x8085044D\n"
                                       "\n"
                                       "Prędkość przepływu.\n"
                                       "Druga linia.\n"
                                       "\n"
                                       "Akapit.\n"
                                       "\n\n");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts.at(0x808504A1u), "Otwiera przeliczanie Kv.");
    EXPECT_EQ(texts.at(0x8085044Du), "Prędkość przepływu.\nDruga linia.\n\nAkapit.");
}

TEST(PopupTexts, WindowsLineEndsAndByteOrderMark)
{
    const auto texts = ParsePopupTexts("\xEF\xBB\xBF.topic 1\r\nJeden.  \r\n.topic 2\r\nDwa.\r\n");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts.at(1), "Jeden.");
    EXPECT_EQ(texts.at(2), "Dwa.");
}

TEST(PopupTexts, OddInputIsSkippedNotMisread)
{
    // Text before the first topic, a topic without a number, a number with
    // rubbish after it, a repeated id, an empty topic at the end.
    const auto texts = ParsePopupTexts("wstęp\n.topic IDH_X\nnic\n.topic 12abc\nteż nic\n.topic 5\npierwszy\n"
                                       ".topics 6\n.topic 5\ndrugi\n.topic 99999999999\nza duży\n.topic 7");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts.at(5), "pierwszy\n.topics 6");
    EXPECT_EQ(texts.at(7), "");
    EXPECT_TRUE(ParsePopupTexts("").empty());
    EXPECT_TRUE(ParsePopupTexts(".topic").empty());
}

TEST(HelpTopics, ElevenWindowsAndTheContents)
{
    EXPECT_EQ(HelpTopicFile(0), "/index.htm");
    EXPECT_EQ(HelpTopicFile(0x20085), "/t133.htm");
    EXPECT_EQ(HelpTopicFile(0x20086), "/t134.htm");
    EXPECT_EQ(HelpTopicFile(HelpTopicId(100)), "/t100.htm");
    EXPECT_EQ(HelpTopicFile(HelpTopicId(210)), "/t210.htm");
    EXPECT_EQ(std::size(kHelpTopicTemplates), 11u);
    for (std::uint32_t unknown : {HelpTopicId(128), HelpTopicId(138), 133u, 0x808504A1u})
        EXPECT_EQ(HelpTopicFile(unknown), "") << unknown;
}
