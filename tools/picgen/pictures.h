// The table of every picture, icon and sound that the resource script takes
// from the generator.
#pragma once

#include "canvas.h"
#include "image.h"
#include "image_files.h"
#include "languages.h"

#include <cstdint>
#include <string>
#include <vector>

namespace picgen {

struct Picture {
    int id;                   // the bitmap's resource id (resource.h)
    const char* file;         // its file name: in the output folder, or in each language's subfolder
    int width;                // pixels
    int height;
    int bitsPerPixel;         // 4 or 8
    Compression compression;  // None or Rle8
    bool fourSets;            // one copy per language of Languages(); otherwise a single English copy
    Image (*draw)(const Language&);
};

// An icon, or a cursor when it has a hot spot.
struct Icon {
    int id;
    const char* file;
    int size;                 // width and height in pixels; 16 colours
    std::uint8_t transparent; // the palette entry that the AND mask leaves out
    Canvas (*draw)();
    bool cursor = false;
    int hotX = 0;             // a cursor's hot spot
    int hotY = 0;
};

const std::vector<Picture>& Pictures();
const std::vector<Icon>& Icons();

// The output path of a picture in one language, relative to the output folder.
std::string PicturePath(const Picture& picture, const Language& language);

// The resource script fragment that names every picture file in its language.
std::string PictureScript();
constexpr const char* kPictureScriptFile = "pictures.rc";

// The click sound, a RIFF/WAVE file.
std::vector<std::uint8_t> ClickSound();
constexpr const char* kClickSoundFile = "click.wav";

}  // namespace picgen
