#include "AssetGenerators.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        for (const char* dir : {"gfx", "fnt", "mdl/gfx", "snd", "mus/intro"})
            std::filesystem::create_directories(out / dir);
        generateTextures(out / "gfx");
        generateFonts(out / "fnt");
        generateModels(out / "mdl");
        generateSounds(out / "snd");
        generateMusic(out / "mus");
        generateIcons(out / "icons");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
