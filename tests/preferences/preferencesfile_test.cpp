// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/preferencesfile.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tempdir.h"

namespace sorvel {
namespace {

constexpr int kPageWidth = 1000;
constexpr int kPageHeight = 1400;

// The built-in defaults with the values derived for a 1000 × 1400 page.
Preferences DefaultsForTestPage() {
    Preferences p;
    p.InitialDir = "/opt/sorvel";
    p.DefoGridDivNum = 36;
    p.DefoGridSize = 26;      // (1000 - 20 - 20) / 36
    p.DefoLeftSpace = 44;     // 1000 - 36 * 26 - 20
    p.DefoRowInterval = 151;  // (1400 - 20 - 20 - 150) / 8
    return p;
}

Preferences ReadText(const std::string& text, int width = kPageWidth, int height = kPageHeight) {
    Preferences p;
    p.InitialDir = "/opt/sorvel";
    ReadPreferencesText(text, p, width, height);
    return p;
}

// Every field away from its default, laid out so that the recomputed left
// margin equals the stored one on a 2000-unit page.
Preferences EveryFieldChanged() {
    Preferences p;
    p.Top = 11, p.Left = 12, p.Width = 800, p.Height = 600;
    p.FormTableOfContentsWidth = 500, p.FormTableOfContentsHeight = 400;
    p.FormPianoTop = 13, p.FormPianoLeft = 14, p.FormPlayTop = 15, p.FormPlayLeft = 16;
    p.InitialDir = "/home/erhu/scores";
    p.IsDispKeyName = false, p.IsRBtnCsrMove = false, p.IsSkipCursor = false;
    p.IsFingerNo00 = true;
    p.RecentFiles = {"/a/one.svl", "/b/two.svl", "/c/three.svl"};
    p.DeviceID = 2, p.Instrument = 40, p.MeloVelocity = 90, p.RhythmChannelNo = 10;
    p.ClickHKeyNo = 76, p.ClickLKeyNo = 77, p.ClickHVelocity = 110, p.ClickLVelocity = 90;
    p.IsMonitorMode = true, p.IsPlayMetronome = true, p.IsPlayMusicData = true;
    p.PlayCount = 3, p.StartClick = true, p.StartClickNum = 2, p.PlayScoreTempo = false;
    p.Tempo = 120, p.IsNoClickRepeat = false;
    p.DefoCurSorFontSize = 20, p.DefoCurSorFontColor = 0x123456, p.DefoRubberBandColor = 0x00FF00;
    p.DefoPlayCursorColor = 0xFF00FF, p.DefoPlayCursorWidth = 3, p.DefoPlayCursorDispMode = 1;
    p.DefoGridColor = 0x808080, p.DefoScoreFontColor = 0x0000C0;
    p.DefoNoteFontSize = 16, p.DefoTitleHeight = 120;
    p.DefoTopSpace = 21, p.DefoBottomSpace = 22, p.DefoRightSpace = 33;
    p.DefoBarParRow = 3, p.DefoDivParBar = 10, p.DefoGridDivNum = 30, p.DefoGridSize = 50;
    p.DefoLeftSpace = 2000 - 30 * 50 - 33;
    p.DefoRowDivNum = 7, p.DefoRowInterval = 160;
    p.DefoRates = {1, -2, 3, -4, 5, -6, 7, -8, 9, -10, 11};
    p.DefoOffsetRateX_Rinji = -80, p.DefoOffsetRateY_Rinji = -50;
    p.DefoOffsetRateX_Futen = 55, p.DefoOffsetRateY_Futen = 25;
    return p;
}

}  // namespace

TEST(PreferencesRead, NoFileGivesEveryDefault) {
    TempDir dir;
    Preferences p;
    p.InitialDir = "/opt/sorvel";
    p.RecentFiles = {"left over"};
    ReadPreferences(dir.File("missing"), p, kPageWidth, kPageHeight);
    EXPECT_EQ(p, DefaultsForTestPage());
    // A file that cannot be read (here a folder) is no different.
    ReadPreferences(dir.Path(), p, kPageWidth, kPageHeight);
    EXPECT_EQ(p, DefaultsForTestPage());
}

TEST(PreferencesRead, DerivedLayoutValues) {
    // Cells per row from bars × cells per bar, step from the width left.
    Preferences p = ReadText("[Default]\nDefoBarParRow=5\nDefoDivParBar=8\nDefoLeftSpace=100\n");
    EXPECT_EQ(p.DefoGridDivNum, 40);
    EXPECT_EQ(p.DefoGridSize, 22);    // (1000 - 100 - 20) / 40
    EXPECT_EQ(p.DefoLeftSpace, 100);  // 1000 - 40 * 22 - 20
    // Stored values win; the left margin still takes what the grid leaves.
    p = ReadText("[Default]\nDefoGridDivNum=30\nDefoGridSize=20\nDefoRowInterval=99\n");
    EXPECT_EQ(p.DefoGridDivNum, 30);
    EXPECT_EQ(p.DefoLeftSpace, 380);
    EXPECT_EQ(p.DefoRowInterval, 99);
    // A malformed value is treated like a missing one.
    p = ReadText("[Default]\nDefoGridSize=abc\nDefoRowDivNum=7\nDefoTitleHeight=xyz\n");
    EXPECT_EQ(p.DefoGridSize, 26);
    EXPECT_EQ(p.DefoTitleHeight, 150);
    EXPECT_EQ(p.DefoRowInterval, 172);  // (1400 - 40 - 150) / 7
    // Quotients truncate toward zero, also for a page too small for its margins.
    p = ReadText("[Default]\nDefoTitleHeight=1400\n", 1000, 1400);
    EXPECT_EQ(p.DefoRowInterval, -5);  // -40 / 8
}

TEST(PreferencesRead, ZeroAndHugeLayoutValuesDoNotCrash) {
    Preferences p = ReadText("[Default]\nDefoBarParRow=0\nDefoRowDivNum=0\n");
    EXPECT_EQ(p.DefoGridDivNum, 0);
    EXPECT_EQ(p.DefoGridSize, 0);
    EXPECT_EQ(p.DefoLeftSpace, 980);
    EXPECT_EQ(p.DefoRowInterval, 0);
    // Products and sums beyond the int range saturate instead of overflowing.
    p = ReadText(
        "[Default]\nDefoBarParRow=2147483647\nDefoDivParBar=2147483647\n"
        "DefoGridSize=2147483647\nDefoRightSpace=-2147483648\nDefoTopSpace=-2147483648\n");
    EXPECT_EQ(p.DefoGridDivNum, 2147483647);
    EXPECT_EQ(p.DefoLeftSpace, -2147483647 - 1);
    EXPECT_EQ(p.DefoRowInterval, 2147483647 / 8);  // 1400 + 2^31 - 20 - 150 saturates first
    // Numbers too large for an int are malformed: the default stays.
    p = ReadText("[Midi]\nTempo=99999999999999999999\n");
    EXPECT_EQ(p.Tempo, 80);
}

TEST(PreferencesRead, IntegersAreDecimalLikeTheWriterStoresThem) {
    // Colours are stored as plain decimal numbers; hexadecimal is malformed.
    Preferences p = ReadText(
        "[Midi]\nInstrument=0x30\nTempo=-$10\nMeloVelocity=+90\n"
        "[Default]\nDefoGridColor=$FF\nDefoScoreFontColor=16711680\nDefoRubberBandColor=0X80\n");
    EXPECT_EQ(p.Instrument, 71);
    EXPECT_EQ(p.Tempo, 80);
    EXPECT_EQ(p.MeloVelocity, 90);
    EXPECT_EQ(p.DefoGridColor, 0xC0C0C0);
    EXPECT_EQ(p.DefoScoreFontColor, 0xFF0000);
    EXPECT_EQ(p.DefoRubberBandColor, 0x000080);
}

TEST(PreferencesRead, RecentFilesStopAtTheFirstGap) {
    Preferences p = ReadText("[FileName]\nFile0=/a.svl\nFile1=/b.svl\nFile2=\nFile3=/d.svl\n");
    EXPECT_EQ(p.RecentFiles, (std::vector<std::string>{"/a.svl", "/b.svl"}));
    p = ReadText("[FileName]\nFile0=/a.svl\nFile2=/c.svl\n");
    EXPECT_EQ(p.RecentFiles, (std::vector<std::string>{"/a.svl"}));
    std::string ten = "[FileName]\n";
    for (int i = 0; i < 10; ++i)
        ten += "File" + std::to_string(i) + "=/" + std::to_string(i) + "\n";
    EXPECT_EQ(ReadText(ten).RecentFiles.size(), 8u);
}

TEST(PreferencesRead, BooleansAndTheInitialFolder) {
    Preferences p = ReadText("[General]\nIsDispKeyName=0\nIsFingerNo00=5\n[Dir]\nInitialDir=\n");
    EXPECT_FALSE(p.IsDispKeyName);
    EXPECT_TRUE(p.IsFingerNo00);             // any non-zero integer is true
    EXPECT_EQ(p.InitialDir, "/opt/sorvel");  // an empty folder keeps the default
    p = ReadText("[Dir]\nInitialDir=/home/x\n");
    EXPECT_EQ(p.InitialDir, "/home/x");
}

TEST(PreferencesRead, HostileFilesGiveDefaults) {
    std::string junk;
    for (int i = 0; i < 1 << 16; ++i) junk += static_cast<char>((i * 2654435761u) >> 24);
    junk += "\n" + std::string(4 << 20, 'x') + "\n";
    Preferences p = ReadText(junk);
    p.RecentFiles.clear();
    EXPECT_EQ(p, DefaultsForTestPage());
    // The same keys written with NUL bytes, blanks and junk do not count.
    p =
        ReadText(std::string("[Midi]\nTempo=8\0"
                             "0\nDeviceID= 1 x\n",
                             30));
    EXPECT_EQ(p.Tempo, 80);
    EXPECT_EQ(p.DeviceID, 0);
}

TEST(PreferencesWrite, RoundTripOfEveryKey) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    const Preferences written = EveryFieldChanged();
    std::string error;
    ASSERT_TRUE(WritePreferences(path, written, &error)) << error;
    Preferences read;
    ReadPreferences(path, read, 2000, 3000);
    EXPECT_EQ(read, written);
    // Writing what was read changes no byte.
    const std::string first = ReadBytes(path);
    ASSERT_TRUE(WritePreferences(path, read, &error)) << error;
    EXPECT_EQ(ReadBytes(path), first);
}

TEST(PreferencesWrite, FileHoldsARealGeneralSection) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    ASSERT_TRUE(WritePreferences(path, Preferences{}, nullptr));
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text.rfind("[Location]\r\nTop=0\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n[General]\r\nIsDispKeyName=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("%General"), std::string::npos);
    EXPECT_NE(text.find("\r\nDefoGridColor=12632256\r\n"), std::string::npos);  // decimal
    EXPECT_NE(text.find("\r\nDefoOffsetRateX_PF=-170\r\n"), std::string::npos);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(PreferencesWrite, KeepsWhatElseTheFileHolds) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    WriteBytes(path,
               "; my notes\n[midi]\ndeviceid=5\nSynth=fluid\n[Plugins]\nx=1\n"
               "[FileName]\nFile0=/old0\nFile1=/old1\nFile2=/old2\n");
    ::chmod(path.c_str(), 0640);
    Preferences p;
    p.RecentFiles = {"/new0"};
    ASSERT_TRUE(WritePreferences(path, p, nullptr));
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text.rfind("; my notes\r\n[midi]\r\nDeviceID=0\r\nSynth=fluid\r\n", 0), 0u);
    EXPECT_NE(text.find("[Plugins]\r\nx=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("deviceid"), std::string::npos);
    // A shorter list leaves none of the old entries behind.
    EXPECT_EQ(text.find("/old"), std::string::npos);
    Preferences back;
    ReadPreferences(path, back, kPageWidth, kPageHeight);
    EXPECT_EQ(back.RecentFiles, p.RecentFiles);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(PreferencesWrite, RecentFilesThatALineCannotHold) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    Preferences p;
    p.RecentFiles = {"/a", "/bad\nname.svl", "", " /spaced.svl "};
    p.InitialDir = "/dir\r\nFile0=/injected";
    for (int i = 0; i < 10; ++i) p.RecentFiles.push_back("/more" + std::to_string(i));
    ASSERT_TRUE(WritePreferences(path, p, nullptr));
    Preferences back;
    back.InitialDir = "/exe";
    ReadPreferences(path, back, kPageWidth, kPageHeight);
    ASSERT_EQ(back.RecentFiles.size(), 8u);
    EXPECT_EQ(back.RecentFiles[0], "/a");
    EXPECT_EQ(back.RecentFiles[1], " /spaced.svl ");
    EXPECT_EQ(back.RecentFiles[7], "/more5");
    EXPECT_EQ(back.InitialDir, "/exe");
}

TEST(PreferencesWrite, FailuresAreReportedAndLoseNothing) {
    TempDir dir;
    WriteBytes(dir.File("plain"), "x");
    std::string error;
    // A folder that cannot be created: a file stands in its way.
    EXPECT_FALSE(WritePreferences(dir.File("plain/sub/sorvelini"), Preferences{}, &error));
    EXPECT_NE(error.find("plain"), std::string::npos) << error;
    // An existing file that cannot be read is not overwritten.
    std::filesystem::create_directory(dir.File("folder"));
    error.clear();
    EXPECT_FALSE(WritePreferences(dir.File("folder"), Preferences{}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
}

TEST(PreferencesWrite, PipeOrDeviceInPlaceOfTheFileIsRefusedWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("sorvelini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(WritePreferences(fifo, Preferences{}, &error));
    EXPECT_NE(error.find("sorvelini"), std::string::npos) << error;
    struct stat st;
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));  // not replaced by a file
    Preferences p;
    p.InitialDir = "/opt/sorvel";
    ReadPreferences(fifo, p, kPageWidth, kPageHeight);
    EXPECT_EQ(p, DefaultsForTestPage());
    EXPECT_EQ(ReadPreferenceInt("/dev/zero", "Midi", "Tempo", 7), 7);
}

TEST(PreferencesWrite, CreatesTheConfigurationFolder) {
    TempDir dir;
    const std::string path = dir.File("config/sorvel/sorvelini");
    ASSERT_TRUE(WritePreferences(path, Preferences{}, nullptr));
    EXPECT_TRUE(std::filesystem::exists(path));
    struct stat st;
    ASSERT_EQ(::stat(dir.File("config/sorvel").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(PreferencesWrite, SingleKeysForWindowsAndTheMidiOutput) {
    TempDir dir;
    const std::string path = dir.File("sorvelini");
    Preferences p = EveryFieldChanged();
    ASSERT_TRUE(WritePreferences(path, p, nullptr));
    ASSERT_TRUE(WritePreferenceKey(path, "Midi", "DeviceID", 0));
    EXPECT_EQ(ReadPreferenceInt(path, "midi", "deviceid", 7), 0);
    EXPECT_EQ(ReadPreferenceInt(path, "Midi", "NoSuchKey", 7), 7);
    EXPECT_EQ(ReadPreferenceInt(dir.File("missing"), "Midi", "DeviceID", 7), 7);
    EXPECT_FALSE(WritePreferenceKey(path, "Dir", "InitialDir", "a\nb"));

    Preferences window = p;
    window.FormPlayTop = 300, window.FormPlayLeft = 301, window.Tempo = 60;
    ASSERT_TRUE(WritePreferenceKeys(path, window, {"FormPlayTop", "FormPlayLeft"}, nullptr));
    Preferences back = EveryFieldChanged();
    back.FormPlayTop = back.FormPlayLeft = back.DeviceID = -1;
    ReadPreferenceKeys(path, back, {"FormPlayTop", "formplayleft", "DeviceID", "Missing"});
    EXPECT_EQ(back.FormPlayTop, 300);
    EXPECT_EQ(back.FormPlayLeft, 301);
    EXPECT_EQ(back.DeviceID, 0);
    EXPECT_EQ(ReadPreferenceInt(path, "Midi", "Tempo", 0), p.Tempo);  // not among the keys
}

TEST(SettingsPath, NamedAfterTheExecutable) {
    EXPECT_EQ(SettingsFileBesideExecutable("C:/Tools/X.exe"), "C:/Tools/Xini");
    EXPECT_EQ(SettingsFileBesideExecutable("/opt/x/Sorvel.exe"), "/opt/x/Sorvelini");
    EXPECT_EQ(SettingsFileBesideExecutable("/opt/x/sorvel"), "/opt/x/sorvelini");
    EXPECT_EQ(SettingsFileBesideExecutable("/opt/x.d/sorvel"), "/opt/x.d/sorvelini");
    EXPECT_EQ(SettingsFileBesideExecutable("/opt/x/sorvel.bin.exe"), "/opt/x/sorvel.binini");
    EXPECT_EQ(SettingsFileBesideExecutable("/opt/x/.sorvel"), "/opt/x/.sorvelini");
    EXPECT_EQ(ExecutableFolder("/opt/x/sorvel"), "/opt/x");
    EXPECT_EQ(ExecutableFolder("/sorvel"), "/");
}

TEST(SettingsPath, UnwritableFolderMovesItToTheUserConfiguration) {
    std::string asked;
    SettingsLocation where;
    where.xdgConfigHome = "/home/u/.cfg/";
    where.home = "/home/u";
    where.folderIsWritable = [&](const std::string& folder) {
        asked = folder;
        return folder == "/home/u/bin";
    };
    EXPECT_EQ(SettingsFilePath("/home/u/bin/sorvel", where), "/home/u/bin/sorvelini");
    EXPECT_EQ(asked, "/home/u/bin");
    EXPECT_EQ(SettingsFilePath("/usr/bin/sorvel", where), "/home/u/.cfg/sorvel/sorvelini");
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
    where.xdgConfigHome = "cfg";
    EXPECT_EQ(SettingsFilePath("/usr/bin/sorvel", where), "/home/u/.config/sorvel/sorvelini");
    where.xdgConfigHome.clear();
    where.home.clear();
    EXPECT_EQ(SettingsFilePath("/usr/bin/sorvel", where), "/usr/bin/sorvelini");
}

// An installed program keeps its settings in the user's folder even for a
// user who may write to the program's folder (the administrator).
TEST(SettingsPath, InstalledProgramUsesTheUserConfigurationEvenWhereWritable) {
    SettingsLocation where;
    where.home = "/root";
    where.folderIsWritable = [](const std::string&) { return true; };
    std::vector<std::string> present = {"/usr/share/applications/sorvel.desktop",
                                        "/home/u/.local/share/applications/sorvel.desktop"};
    where.fileExists = [&](const std::string& path) {
        return std::find(present.begin(), present.end(), path) != present.end();
    };
    EXPECT_EQ(SettingsFilePath("/usr/bin/sorvel", where), "/root/.config/sorvel/sorvelini");
    // A user's own installation (the menu entry of the run command lies in
    // the user's data folder, not beside a bin folder) and a build folder
    // keep the rule of the executable's folder.
    EXPECT_EQ(SettingsFilePath("/home/u/src/sorvel/build/sorvel", where),
              "/home/u/src/sorvel/build/sorvelini");
    EXPECT_EQ(SettingsFilePath("/usr/local/bin/sorvel", where), "/usr/local/bin/sorvelini");
    present.push_back("/usr/local/share/applications/sorvel.desktop");
    EXPECT_EQ(SettingsFilePath("/usr/local/bin/sorvel", where), "/root/.config/sorvel/sorvelini");
}

}  // namespace sorvel
