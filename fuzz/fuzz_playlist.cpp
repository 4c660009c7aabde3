// The playlist built from a music folder the input describes: lines of a kind
// byte and a name, made into MIDI files, other files, unreadable files,
// folders, links to files elsewhere, dangling links and links to folders,
// beside an intro/ folder holding intro.mid. The outcome is exactly the files
// directly in the folder whose names end in ".mid" in any case and name one
// file (no backslash, the asset path's separator), never the intro; 3n calls
// then play each of the n tracks once per round of n, 3 times in all, each
// from the file listed.
#include "FuzzSupport.h"
#include "audio/Music.h"
#include "platform/PlatformFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fuzz::check;

constexpr std::size_t kMaxEntries = 4;
constexpr std::size_t kMaxName = 64;

enum class Kind { Tune, Junk, Unreadable, Folder, LinkToTune, Dangling, LinkToFolder, Count };

const std::vector<std::uint8_t> kTune = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                         'M', 'T', 'r', 'k', 0, 0, 0, 13, 0x00, 0x90, 60, 0x60,
                                         0x83, 0x60, 0x80, 60, 0x40, 0x00, 0xFF, 0x2F, 0x00};

struct Entry {
    Kind kind;
    std::string name;
};

// Bit 3 of the kind byte ends the name in ".mid", bit 4 in ".MID".
std::vector<Entry> describe(const std::uint8_t* data, std::size_t size)
{
    std::vector<Entry> entries;
    std::set<std::string> names{"intro"};
    std::size_t at = 0;
    while (at < size && entries.size() < kMaxEntries) {
        const std::uint8_t kindByte = data[at++];
        std::string name;
        while (at < size && data[at] != '\n') {
            const char c = static_cast<char>(data[at++]);
            if (c != '/' && c != '\0' && name.size() < kMaxName) {
                name.push_back(c);
            }
        }
        ++at;
        if ((kindByte & 0x08) != 0) {
            name += (kindByte & 0x10) != 0 ? ".MID" : ".mid";
        }
        if (name.empty() || name == "." || name == ".." || !names.insert(name).second) {
            continue;
        }
        entries.push_back({static_cast<Kind>((kindByte & 7) % static_cast<int>(Kind::Count)), name});
    }
    return entries;
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    check(out != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fclose(out) == 0,
          "writing a file");
}

void make(const fs::path& music, const fs::path& elsewhere, const Entry& entry)
{
    const fs::path path = music / entry.name;
    switch (entry.kind) {
    case Kind::Tune:
        writeFile(path, kTune);
        break;
    case Kind::Junk:
        writeFile(path, {'x'});
        break;
    case Kind::Unreadable:
        writeFile(path, kTune);
        ::chmod(path.c_str(), 0);
        break;
    case Kind::Folder:
        fs::create_directory(path);
        writeFile(path / "inside.mid", kTune);
        break;
    case Kind::LinkToTune:
        fs::create_symlink(elsewhere / "tune.mid", path);
        break;
    case Kind::Dangling:
        fs::create_symlink(elsewhere / "missing.mid", path);
        break;
    case Kind::LinkToFolder:
        fs::create_directory_symlink(elsewhere, path);
        break;
    case Kind::Count:
        break;
    }
}

bool listable(const Entry& entry)
{
    std::string end = entry.name.size() >= 4 ? entry.name.substr(entry.name.size() - 4) : "";
    std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return std::tolower(c); });
    const bool file = entry.kind == Kind::Tune || entry.kind == Kind::Junk || entry.kind == Kind::Unreadable ||
                      entry.kind == Kind::LinkToTune;
    return file && end == ".mid" && entry.name.find('\\') == std::string::npos;
}

// Whether the entry is a tune the game can read; the player may or may not
// make something of a file that holds no tune.
bool playable(const fs::path& music, const Entry& entry)
{
    return entry.kind != Kind::Junk && ::access((music / entry.name).c_str(), R_OK) == 0;
}

// Plays 3n tracks and checks each round of n plays every track once.
void checkPlays(const std::string& folder, const fs::path& music, const std::map<std::string, Entry>& expected)
{
    const std::vector<dh::MusicTrack>& tracks = dh::playlist();
    const std::size_t n = tracks.size();
    for (int round = 1; round <= 3; ++round) {
        for (std::size_t call = 0; call < n; ++call) {
            std::vector<std::uint32_t> before;
            for (const dh::MusicTrack& track : tracks) {
                before.push_back(track.playCount);
            }
            dh::playNextTrack();
            std::size_t played = n;
            for (std::size_t i = 0; i < n; ++i) {
                if (tracks[i].playCount != before[i]) {
                    check(played == n && tracks[i].playCount == before[i] + 1, "one track counted once");
                    played = i;
                }
            }
            check(played < n && before[played] == static_cast<std::uint32_t>(round - 1),
                  "a track played less often so far");
            const std::string& name = tracks[played].fileName;
            if (!dh::currentMusicFile().empty()) {
                check(dh::currentMusicFile() == folder + "\\" + name, "the track listed is the one loaded");
                check(fs::equivalent(dh::assetPath(dh::currentMusicFile()), music / name), "loaded from its file");
            } else {
                check(!playable(music, expected.at(name)), "a tune that can be read is loaded");
            }
        }
    }
    for (const dh::MusicTrack& track : tracks) {
        check(track.playCount == 3, "every track played 3 times");
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::TemporaryFolder root("fuzz_playlist", dh::assetPath(""));
    static const bool ready = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        dh::initMusic();
        return dh::g_musicReady;
    }();
    check(ready, "the music player opens (audio output and a General MIDI soundfont)");

    const fs::path music = root.path() / "mus";
    const fs::path elsewhere = root.path() / "elsewhere";
    fs::remove_all(music);
    fs::create_directories(music / "intro");
    fs::create_directories(elsewhere);
    writeFile(music / "intro" / "intro.mid", kTune);
    writeFile(elsewhere / "tune.mid", kTune);

    std::map<std::string, Entry> expected;
    for (const Entry& entry : describe(data, size)) {
        make(music, elsewhere, entry);
        if (listable(entry)) {
            expected.emplace(entry.name, entry);
        }
    }
    const std::string folder = root.path().filename().string() + "\\mus";
    dh::buildPlaylist(folder);

    std::set<std::string> listed;
    for (const dh::MusicTrack& track : dh::playlist()) {
        check(track.playCount == 0, "a new playlist counts no play");
        listed.insert(track.fileName);
    }
    check(listed.size() == dh::playlist().size(), "every file listed once");
    std::set<std::string> wanted;
    for (const auto& [name, entry] : expected) {
        wanted.insert(name);
    }
    check(listed == wanted, "exactly the MIDI files directly in the folder");
    checkPlays(folder, music, expected);
    dh::stopMusic();
    return 0;
}
