#include "platform/gui/sound.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/files.h"
#include "temp_dir.h"

namespace qv::gui::testing {
namespace {

TEST(SoundTest, RequestsReachTheInstalledPlayerWithNativePaths) {
    RecordingSoundPlayer rec;
    ScopedSoundPlayer use(rec);
    EXPECT_TRUE(sndPlaySound("/opt/q\\Sounds\\open.wav", SND_ASYNC | SND_NODEFAULT));
    rec.result = false;
    EXPECT_FALSE(sndPlaySound("alert.wav", SND_ASYNC));
    EXPECT_EQ(rec.played, (std::vector<RecordingSoundPlayer::Played>{{"/opt/q/Sounds/open.wav", 3}, {"alert.wav", 1}}));
}

// The system player run against stand-in players in a folder of the test's own: each writes
// its name and argument to a log; a file whose name holds "long" keeps it busy until stopped.
class SystemSoundTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir_ / "bin"); }
    void fakePlayer(const std::string& name) {
        const std::string script = "#!/bin/sh\n"
                                   "echo \"" + name + " $*\" >> '" + (dir_ / "log") + "'\n"
                                   "case \"$1\" in *long*)\n"
                                   "  trap 'kill $! 2>/dev/null; exit 143' TERM\n"
                                   "  sleep 30 & wait $!\n"
                                   "  echo \"finished $1\" >> '" + (dir_ / "log") + "';;\n"
                                   "esac\n";
        const std::string path = dir_ / ("bin/" + name);
        ASSERT_TRUE(base::writeFileAtomic(path, script));
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    std::string sound(const std::string& name) {
        const std::string path = dir_ / name;
        EXPECT_TRUE(base::writeFileAtomic(path, "RIFF"));
        return path;
    }
    std::string log() { return base::readFile(dir_ / "log").value_or(""); }

    TempDir dir_;
};

TEST_F(SystemSoundTest, PlaysThroughTheFirstPlayerFoundAndOnlyExistingFiles) {
    fakePlayer("aplay");
    fakePlayer("paplay");
    SystemSoundPlayer player(dir_ / "bin");
    const std::string open = sound("open.wav");
    EXPECT_TRUE(player.play(open, SND_SYNC));
    EXPECT_EQ(log(), "paplay " + open + "\n");
    EXPECT_FALSE(player.play(dir_ / "missing.wav", SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(player.play(open, SND_ASYNC | SND_MEMORY));
    EXPECT_TRUE(player.play(open, SND_ASYNC | SND_NODEFAULT));
    player.waitAll();
    EXPECT_EQ(log(), "paplay " + open + "\npaplay " + open + "\n");

    SystemSoundPlayer none(dir_ / "nowhere");
    EXPECT_FALSE(none.play(open, SND_SYNC));
}

TEST_F(SystemSoundTest, ANewSoundStopsTheOneStillPlayingUnlessToldNotTo) {
    fakePlayer("aplay");
    SystemSoundPlayer player(dir_ / "bin");
    const std::string longOne = sound("long.wav"), alert = sound("alert.wav");
    ASSERT_TRUE(player.play(longOne, SND_ASYNC));
    EXPECT_FALSE(player.play(alert, SND_ASYNC | SND_NOSTOP));
    EXPECT_TRUE(player.play(alert, SND_ASYNC));
    player.waitAll();  // would take the long sound's whole length had it not been stopped
    EXPECT_EQ(log().find("finished"), std::string::npos) << log();
    EXPECT_NE(log().find("aplay " + alert + "\n"), std::string::npos) << log();
}

}  // namespace
}  // namespace qv::gui::testing
