#pragma once
// Sounds played from a file. The player in use is the installed one (a test installs a
// RecordingSoundPlayer with ScopedSoundPlayer); the system player hands the file to a sound
// program of the desktop when one is installed and otherwise plays nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/child_process.h"
#include "platform/gui/service.h"

namespace qv::gui {

inline constexpr std::uint32_t SND_SYNC = 0x00;
inline constexpr std::uint32_t SND_ASYNC = 0x01;      // return at once, play in the background
inline constexpr std::uint32_t SND_NODEFAULT = 0x02;  // no default sound when the file is missing
inline constexpr std::uint32_t SND_MEMORY = 0x04;     // a sound in memory (not supported)
inline constexpr std::uint32_t SND_LOOP = 0x08;
inline constexpr std::uint32_t SND_NOSTOP = 0x10;     // do not cut a sound that is playing

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the file (a native path); true when it started (or, without SND_ASYNC, played).
    virtual bool play(const std::string& file, std::uint32_t flags) = 0;
};

// Records every request and plays nothing (tests).
class RecordingSoundPlayer : public SoundPlayer {
public:
    struct Played {
        std::string file;
        std::uint32_t flags;
        bool operator==(const Played&) const = default;
    };
    std::vector<Played> played;
    bool result = true;
    bool play(const std::string& file, std::uint32_t flags) override;
};

// Plays through the first of paplay, pw-play, aplay and play found on PATH, as a process of its
// own. A new sound stops the one of ours still playing, unless SND_NOSTOP is given, in which
// case the new one is refused. A missing file, SND_MEMORY or no player plays nothing (false).
class SystemSoundPlayer : public SoundPlayer {
public:
    // pathList: where to look for the player (PATH when nullopt).
    explicit SystemSoundPlayer(std::optional<std::string> pathList = std::nullopt);
    bool play(const std::string& file, std::uint32_t flags) override;
    // Waits for the sounds still playing.
    void waitAll() { children_.waitAll(); }

private:
    std::optional<std::string> pathList_;
    ChildProcesses children_;
    std::optional<pid_t> playing_;
};

SoundPlayer& soundPlayer();
using ScopedSoundPlayer = ScopedService<SoundPlayer>;

// Plays the file ("\" accepted as separator) with the flags; true when the sound started.
bool sndPlaySound(std::string_view file, std::uint32_t flags);

}  // namespace qv::gui
