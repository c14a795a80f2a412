#include "platform/gui/sound.h"

#include "platform/base/files.h"

namespace qv::gui {

bool RecordingSoundPlayer::play(const std::string& file, std::uint32_t flags) {
    played.push_back(Played{file, flags});
    return result;
}

SystemSoundPlayer::SystemSoundPlayer(std::optional<std::string> pathList) : pathList_(std::move(pathList)) {}

bool SystemSoundPlayer::play(const std::string& file, std::uint32_t flags) {
    if ((flags & SND_MEMORY) || !base::fileExists(file)) return false;
    if (playing_ && children_.running(*playing_)) {
        if (flags & SND_NOSTOP) return false;
        children_.stop(*playing_);
    }
    playing_.reset();
    std::optional<std::string> player;
    for (const char* name : {"paplay", "pw-play", "aplay", "play"}) {
        if ((player = findProgram(name, pathList_))) break;
    }
    if (!player) return false;
    // A name starting with "-" would read as an option.
    const auto pid = children_.start({*player, file.front() == '-' ? "./" + file : file});
    if (!pid) return false;
    if (!(flags & SND_ASYNC)) {
        const auto status = children_.wait(*pid);
        return status && *status == 0;
    }
    playing_ = pid;
    return true;
}

SoundPlayer& soundPlayer() {
    static SystemSoundPlayer system;
    return Service<SoundPlayer>::get(system);
}

bool sndPlaySound(std::string_view file, std::uint32_t flags) {
    return soundPlayer().play(base::nativePath(file), flags);
}

}  // namespace qv::gui
