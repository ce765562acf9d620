// Writes the files the program embeds: the 51 rank icons, the background
// picture, the program icon, the Windows manifest and the resource script.
// The outputs are committed, so a normal build never runs this program.
//
// Regenerate after changing the art (same bytes on every run):
//   cmake --build <build-dir> --target regenerate-resources
// or build the target make-resources and run it yourself:
//   <build-dir>/resources/make-resources <source-dir>/resources
//
// Needs libjpeg only. All art is drawn here from geometry, with no random
// source and no clock, so a second run reproduces the committed files.
#include <cstdio>
#include <string>

#include "tools/resource_art.h"

namespace {

// Writes `data` to dir/name; returns false when the file cannot be written.
bool WriteFile(const std::string& dir, const char* name, const Bytes& data)
{
    std::string path = dir + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

// Writes every resource file into the directory given as the only argument.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-resources <resources-dir>\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = WriteFile(dir, "rank_icons.bin", MakeRankIcons()) &&
              WriteFile(dir, "background.jpg", MakeBackgroundJpeg()) &&
              WriteFile(dir, "app_icon.ico", MakeAppIcon()) &&
              WriteFile(dir, "app.manifest", MakeManifest()) &&
              WriteFile(dir, "stelvane.rc", MakeResourceScript());
    if (!ok) {
        std::fprintf(stderr, "make-resources: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
