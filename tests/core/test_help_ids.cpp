#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

#include "analysis/AnalysisIds.h"
#include "calc/KalkIds.h"
#include "controls/EditFilter.h"
#include "controls/HelpIds.h"
#include "pages/PageIds.h"
#include "units/JednostkiIds.h"

TEST(HelpIds, TableHasUniquePairsAndTheEndMarker)
{
    std::set<std::uint32_t> controls;
    std::size_t count = 0;
    for (const HelpIdPair* pair = kHelpIdTable; pair->controlId != 0; ++pair) {
        ++count;
        EXPECT_TRUE(controls.insert(pair->controlId).second) << "duplicate control " << pair->controlId;
        EXPECT_NE(pair->helpId & 0x80000000u, 0u);
    }
    EXPECT_EQ(count, kHelpIdPairCount);
    EXPECT_EQ(kHelpIdTable[kHelpIdPairCount].controlId, 0u);
    EXPECT_EQ(kHelpIdTable[kHelpIdPairCount].helpId, 0u);
}

TEST(HelpIds, EveryWindowHasItsShareOfPairs)
{
    std::map<std::uint32_t, int> perTemplate;
    for (std::size_t i = 0; i < kHelpIdPairCount; ++i)
        ++perTemplate[HelpIdTemplate(kHelpIdTable[i].helpId)];
    const std::map<std::uint32_t, int> expected = {{129, 8}, {130, 29}, {131, 29}, {132, 33},
                                                   {133, 41}, {134, 19}, {137, 62}, {139, 4}};
    EXPECT_EQ(perTemplate, expected);
}

TEST(HelpIds, LookupOfKnownAndUnknownControls)
{
    EXPECT_EQ(HelpIdOf(PrzeplywIds::IDC_KV), 0x808504A1u);
    EXPECT_EQ(HelpIdOf(PrzeplywIds::IDC_VELOCITY), 0x8085044Du);
    EXPECT_EQ(HelpIdOf(JednostkiIds::IDC_VALUE), 0x808103E9u);
    EXPECT_EQ(HelpIdOf(JednostkiIds::IDC_CONVERT), 0x808103F0u);  // n differs from the id
    EXPECT_EQ(HelpIdOf(kIdSign), 0x80890488u);                    // last pair of the calculator
    EXPECT_EQ(HelpIdOf(PowietrzeIds::IDC_BAROMETER_TEXT), 0x80840498u);
    // Without a pair: OK, cancel, help, the Kv dialog's edits, the energy
    // analysis' two labels, the water page's dynamic viscosity, and id 0.
    for (std::uint32_t id : {1u, 2u, 9u, unsigned(KvIds::IDC_KV), unsigned(KvIds::IDC_ZETA),
                             unsigned(EnergiaIds::IDC_TEMPERATURE_DIFF_LABEL),
                             unsigned(EnergiaIds::IDC_FINAL_TEMPERATURE_LABEL), unsigned(WodaIds::IDC_DYNAMIC_VISCOSITY),
                             0u, 99999u})
        EXPECT_EQ(HelpIdOf(id), 0u) << id;
}

TEST(HelpIds, TopicIds)
{
    EXPECT_EQ(HelpTopicId(133), 0x20085u);
    EXPECT_EQ(HelpTopicId(134), 0x20086u);
    EXPECT_EQ(HelpIdTemplate(0x808504A1u), 133u);
}

TEST(EditFilter, NumberCharactersPass)
{
    for (char sep : {'.', ','}) {
        for (char32_t c : std::u32string_view(U"0123456789+-Ee"))
            EXPECT_EQ(FilterTypedCharacter(c, sep), c);
        for (char32_t control : {3, 8, 22, 24, 26})
            EXPECT_EQ(FilterTypedCharacter(control, sep), control);
    }
}

TEST(EditFilter, EitherSeparatorKeyTypesTheSeparator)
{
    EXPECT_EQ(FilterTypedCharacter(U'.', ','), U',');
    EXPECT_EQ(FilterTypedCharacter(U',', ','), U',');
    EXPECT_EQ(FilterTypedCharacter(U',', '.'), U'.');
    EXPECT_EQ(FilterTypedCharacter(U'.', '.'), U'.');
}

TEST(EditFilter, EverythingElseIsDropped)
{
    for (char sep : {'.', ','}) {
        for (char32_t c : std::initializer_list<char32_t>{U'a', U'x', U'F', U' ', U'/', U'*', U'(', U'\t', U'\r', char32_t(1), char32_t(2),
                           char32_t(4), char32_t(127), U'ę', U'€', U'٫'})
            EXPECT_EQ(FilterTypedCharacter(c, sep), 0u) << static_cast<unsigned>(c);
    }
}
