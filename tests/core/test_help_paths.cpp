#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "controls/HelpPaths.h"

namespace fs = std::filesystem;

TEST(HelpPaths, ReplaceOnlyTheExtension)
{
    EXPECT_EQ(HelpFilePathFor("/usr/bin/zentaro"), "/usr/bin/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/opt/HLP/zentaro"), "/opt/HLP/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/opt/HLP.dir/Zentaro.HLP"), "/opt/HLP.dir/Zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/a.b/zentaro.bin"), "/a.b/zentaro.chm");
    EXPECT_EQ(HelpFilePathFor("/home/u/.zentaro"), "/home/u/.zentaro.chm");
    EXPECT_EQ(HelpPopupPathFor("/x/zentaro.chm"), "/x/zentaro.chm::/CSHelp.txt");
}

TEST(HelpPaths, InstalledFileInTheDataFolder)
{
    EXPECT_EQ(InstalledHelpFilePathFor("/usr/bin/zentaro", "../share/zentaro"), "/usr/share/zentaro/zentaro.chm");
    EXPECT_EQ(InstalledHelpFilePathFor("/opt/z/bin/Zentaro.bin", "../share/zentaro"), "/opt/z/share/zentaro/Zentaro.chm");
    EXPECT_EQ(InstalledHelpFilePathFor("/usr/bin/zentaro", "/srv/data/zentaro"), "/srv/data/zentaro/zentaro.chm");
    EXPECT_EQ(InstalledHelpFilePathFor("zentaro", "../share/zentaro"), "../share/zentaro/zentaro.chm");
}

// A bin/ and share/zentaro/ pair in a fresh folder, removed afterwards.
class HelpLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::path(::testing::TempDir()) / ("zentaro-help-" + std::to_string(getpid()) + "-" + test->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root / "bin");
        fs::create_directories(m_root / "share" / "zentaro");
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string Executable() const { return (m_root / "bin" / "zentaro").string(); }
    std::string Beside() const { return (m_root / "bin" / "zentaro.chm").string(); }
    std::string Installed() const { return (m_root / "share" / "zentaro" / "zentaro.chm").string(); }
    static void Touch(const std::string& path) { std::ofstream(path) << "ITSF"; }

    fs::path m_root;
};

TEST_F(HelpLookup, BesideTheExecutableFirst)
{
    Touch(Beside());
    Touch(Installed());
    EXPECT_EQ(FindHelpFile(Executable(), "../share/zentaro"), Beside());
}

TEST_F(HelpLookup, InstalledFileWhenNoneIsBeside)
{
    Touch(Installed());
    EXPECT_EQ(FindHelpFile(Executable(), "../share/zentaro"), Installed());
    // A folder of the help file's name is not the help file.
    fs::create_directory(Beside());
    EXPECT_EQ(FindHelpFile(Executable(), "../share/zentaro"), Installed());
}

TEST_F(HelpLookup, NeitherThereNamesThePlaceBeside)
{
    EXPECT_EQ(FindHelpFile(Executable(), "../share/zentaro"), Beside());
    EXPECT_EQ(FindHelpFile(Executable(), "../elsewhere"), Beside());
    // Folders that cannot be read are merely not there.
    EXPECT_EQ(FindHelpFile(std::string(5000, 'x') + "/zentaro", "../share/zentaro"), std::string(5000, 'x') + "/zentaro.chm");
}
