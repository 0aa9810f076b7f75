#include "text/default_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zandrel {
namespace {

const char* const kTitles[64] = {
    "Creative Yang Force",
    "Receptive Yin Force",
    "Difficulty at Beginning",
    "Blindness",
    "Waiting",
    "Conflict",
    "The Army",
    "Uniting",
    "Small Power",
    "Treading",
    "Peace",
    "Obstruction",
    "Gathering",
    "Great Harvest",
    "Modesty",
    "Joyous Enthusiasm",
    "Following",
    "Decay",
    "Approach",
    "View",
    "Biting",
    "Decoration",
    "Loss",
    "Return",
    "The Unexpected",
    "The Great Restraining",
    "Jaws",
    "Great Excess",
    "The Abyss",
    "Clinging Light",
    "Stimulation",
    "Constancy",
    "Yielding",
    "Great Power",
    "Progress",
    "Darkening of the Light",
    "The Family",
    "Estrangement",
    "Trouble",
    "Release",
    "Sacrifice",
    "Benefit",
    "Resolution",
    "Encounter",
    "Gathering Together",
    "Pushing Upward",
    "Entrapped",
    "The Well",
    "Revolution",
    "Cauldron",
    "Shock",
    "Keeping Still",
    "Gradual Progress",
    "Marriage",
    "Fullness",
    "Traveling",
    "Humbleness",
    "Happiness",
    "Dispersion",
    "Limitation",
    "Faithfulness",
    "Great Smallness",
    "After Completion",
    "Before Completion",
};

TEST(DefaultTextsTest, EveryStringHasItsShape) {
    std::set<std::string> bodies;
    for (int n = 1; n <= 64; ++n) {
        for (int k = 0; k <= 6; ++k) {
            const std::string s(DefaultText(DefaultTextNumber(n, k)));
            SCOPED_TRACE(testing::Message() << "hexagram " << n << " part " << k);
            const std::string heading = k == 0
                                            ? "Hexagram " + std::to_string(n) + " " + kTitles[n - 1]
                                            : "Line " + std::to_string(k);
            ASSERT_EQ(s.substr(0, heading.size() + 2), heading + "\r\n");
            EXPECT_EQ(s.substr(s.size() - 2), "\r\n");
            EXPECT_EQ(s.find("\r\n", heading.size() + 2), s.size() - 2) << "exactly two CR LF";
            EXPECT_EQ(s.find_first_of("\r\n", heading.size() + 2), s.size() - 2);
            EXPECT_LE(s.size(), 237U);
            const std::string body = s.substr(heading.size() + 2, s.size() - heading.size() - 4);
            EXPECT_FALSE(body.empty());
            for (const char c : body) {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "not printable ASCII: " << int(c);
            }
            EXPECT_TRUE(bodies.insert(body).second) << "text repeated: " << body;
        }
    }
}

TEST(DefaultTextsTest, FixedStrings) {
    const char* const hexagram1[7] = {
        "Hexagram 1 Creative Yang Force\r\nContinuing firmly and correctly will lead to great "
        "success.\r\n",
        "Line 1\r\nIt is not a good time to make important decisions.\r\n",
        "Line 2\r\nIt is beneficial to meet someone you respect.\r\n",
        "Line 3\r\nCare must be taken to avoid making mistakes.\r\n",
        "Line 4\r\nTo be or not to be, this is your decision. No matter what decision you make, "
        "no blame will occur.\r\n",
        "Line 5\r\nWhatever you do will produce great results.\r\n",
        "Line 6\r\nBe careful that overconfidence will lead to regret.\r\n",
    };
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(DefaultText(2000 + k), hexagram1[k]);
    }
    EXPECT_EQ(DefaultText(2301), "Hexagram 44 Encounter\r\nInferior people will gain power if you "
                                 "do not regard them as dangerous. Be aware of this.\r\n");
}

TEST(DefaultTextsTest, NumbersOutsideTheTableAreEmpty) {
    EXPECT_EQ(DefaultText(1999), "");
    EXPECT_EQ(DefaultText(2448), "");
    EXPECT_EQ(DefaultText(2447).substr(0, 8), "Line 6\r\n");
}

} // namespace
} // namespace zandrel
