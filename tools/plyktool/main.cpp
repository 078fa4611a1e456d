// plyktool: the command-line companion of Plyk2 and Zorv2.
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "plyk_version.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(Args);
};

const Command kCommands[] = {
    {"info",
     "info FILE                     figures of a sprite, palette, motion, wave or picture file, or why it "
     "cannot be read",
     RunInfo},
    {"palette", "palette --default OUT.pal     write the built-in palette as a palette file", RunPalette},
    {"mixtable", "mixtable IN.pal OUT.pal       rebuild the mixing table from the colours", RunMixTable},
    {"resave", "resave IN OUT                 read a file and write it again", RunResave},
    {"frames", "frames PICTURE OUTDIR         write every frame of a picture as a BMP, and its palette", RunFrames},
    {"cut", "cut PICTURE OUT.plk [--frame N | --all-frames] [--transparent N] [--grid WxH] [--palette OUT.pal]\n                                cut every figure (or grid cell) of a picture into a sprite file", RunCut},
    {"sheet", "sheet SPRITES.plk OUT.bmp [--palette P.pal] [--columns N]  contact sheet of a sprite file", RunSheet},
    {"gif", "gif MOTIONS.zrv OUT.gif [--bundle N|NAME] [--scale 1-4] [--boxes] [--points] [--background transparent|INDEX|#RRGGBB] [--palette P.pal] [--once]\n                                one bundle as an animated GIF, each motion as playback shows it", RunGif},
    {"pcx", "pcx SPRITES.plk OUT.pcx [--palette P.pal]  every sprite on one PCX picture that cuts back into them", RunPcx},
    {"json", "json MOTIONS.zrv OUT.json [--palette P.pal]\n                                every bundle and motion as JSON, the sprites on a PNG atlas beside it", RunJson},
    {"zrv", "zrv IN.json OUT.zrv [--palette P.pal]\n                                the motion file back from the JSON and its atlas, byte for byte", RunZrv},
    {"png", "png SPRITES.plk OUT.png [--palette P.pal] [--atlas OUT.json] [--power-of-two]\n                                the same as a PNG, index 0 transparent; --atlas packs them tightly and lists their places", RunPng},
};

void PrintHelp(FILE* out) {
  std::fprintf(out, "usage: plyktool COMMAND ARGS...\n       plyktool --version\n\ncommands:\n");
  for (const Command& c : kCommands) std::fprintf(out, "  %s\n", c.usage);
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "plyktool: %s\n", message.c_str());
  return 1;
}

int FailRead(const std::string& path, const ReadResult& why) {
  return Fail(path + ": " + ReasonText(why));
}

bool TakeOption(Args& args, const std::string& name, std::string& value, bool& bad) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    if (i + 1 >= args.size()) {
      bad = true;
      return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return true;
  }
  return false;
}

bool TakeFlag(Args& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(stderr);
    return 1;
  }
  if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
    PrintHelp(stdout);
    return 0;
  }
  if (!std::strcmp(argv[1], "--version")) {
    std::printf("plyktool %s\n", PLYK_VERSION_TEXT);
    return 0;
  }
  for (const Command& c : kCommands) {
    if (!std::strcmp(argv[1], c.name)) return c.run(Args(argv + 2, argv + argc));
  }
  return Fail(std::string("unknown command '") + argv[1] + "' (see plyktool --help)");
}
