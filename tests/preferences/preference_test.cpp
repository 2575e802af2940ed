// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/preference.h"

#include <gtest/gtest.h>

#include "model/preferencesfile.h"
#include "tempdir.h"

namespace sorvel {
namespace {

constexpr Preference<bool> kOnByDefault{"Editor", "SomethingOn", true};
constexpr Preference<bool> kOffByDefault{"Editor", "SomethingOff", false};
constexpr Preference<int> kPercent{"Playback", "Percent", 100};
constexpr Preference<std::string> kDevice{"Recording", "InputDevice"};

TEST(Preference, MissingFileOrKeyGivesTheDefault) {
    TempDir dir;
    const std::string missing = dir.File("missing");
    EXPECT_TRUE(kOnByDefault.Read(missing));
    EXPECT_FALSE(kOffByDefault.Read(missing));
    EXPECT_EQ(kPercent.Read(missing), 100);
    EXPECT_FALSE(kDevice.Read(missing).has_value());
}

TEST(Preference, ValuesRoundTripByTypeAndKeepTheOtherKeys) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    ASSERT_TRUE(WritePreferenceKey(path, "Editor", "Zoom", 150));
    ASSERT_TRUE(kOnByDefault.Write(path, false));
    ASSERT_TRUE(kOffByDefault.Write(path, true));
    ASSERT_TRUE(kPercent.Write(path, 65));
    ASSERT_TRUE(kDevice.Write(path, ""));
    EXPECT_FALSE(kOnByDefault.Read(path));
    EXPECT_TRUE(kOffByDefault.Read(path));
    EXPECT_EQ(kPercent.Read(path), 65);
    // An empty choice is stored, and told apart from none.
    ASSERT_TRUE(kDevice.Read(path).has_value());
    EXPECT_EQ(*kDevice.Read(path), "");
    EXPECT_EQ(ReadPreferenceInt(path, "Editor", "Zoom", 0), 150);
    // On and off are stored as the numbers other tools and older files use.
    EXPECT_EQ(ReadPreferenceInt(path, "Editor", "SomethingOff", -1), 1);
    EXPECT_EQ(ReadPreferenceInt(path, "Editor", "SomethingOn", -1), 0);
}

TEST(Preference, HandEditedValuesThatAreNoNumberGiveTheDefault) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    ASSERT_TRUE(WritePreferenceKey(path, "Editor", "SomethingOn", "yes"));
    ASSERT_TRUE(WritePreferenceKey(path, "Playback", "Percent", "fast"));
    EXPECT_TRUE(kOnByDefault.Read(path));
    EXPECT_EQ(kPercent.Read(path), 100);
}

TEST(Preference, TextALineCannotHoldIsRefusedWithAReason) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    std::string error;
    EXPECT_FALSE(kDevice.Write(path, "a\nb", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(kDevice.Read(path).has_value());
}

}  // namespace
}  // namespace sorvel
