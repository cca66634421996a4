// picgen: draws the program's pictures and writes them as BMP and ICO files for
// the resource compiler. Runs on the build machine.
//
//   picgen OUTPUT_FOLDER [FILE...]
//
// Writes every picture of the table in pictures.cpp into OUTPUT_FOLDER, which
// must exist. The build names the files it expects after the folder; picgen
// then checks that its table writes exactly those, so that the build's list and
// the table cannot drift apart. Exits non-zero, saying why, when the lists
// differ, a picture does not come out at the size that the table gives for it,
// or a file cannot be written.

#include "image_files.h"
#include "pictures.h"

#include <exception>
#include <iostream>
#include <set>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: picgen OUTPUT_FOLDER [FILE...]\n";
        return 2;
    }
    const std::string folder = argv[1];
    if (argc > 2) {
        const std::set<std::string> expected(argv + 2, argv + argc);
        std::set<std::string> written;
        for (const picgen::Picture& picture : picgen::Pictures()) written.insert(picture.file);
        for (const picgen::Icon& icon : picgen::Icons()) written.insert(icon.file);
        if (written != expected) {
            for (const std::string& file : written) {
                if (!expected.count(file)) std::cerr << "picgen: the build does not list " << file << "\n";
            }
            for (const std::string& file : expected) {
                if (!written.count(file)) std::cerr << "picgen: no picture is written as " << file << "\n";
            }
            return 1;
        }
    }
    try {
        for (const picgen::Picture& picture : picgen::Pictures()) {
            const picgen::Canvas canvas = picture.draw();
            if (canvas.Width() != picture.width || canvas.Height() != picture.height) {
                std::cerr << "picgen: bitmap " << picture.id << " is drawn " << canvas.Width() << " x "
                          << canvas.Height() << ", not " << picture.width << " x " << picture.height << "\n";
                return 1;
            }
            picgen::WriteFile(folder + "/" + picture.file,
                              picgen::EncodeBmp(canvas, picture.bitsPerPixel, picture.compression));
        }
        for (const picgen::Icon& icon : picgen::Icons()) {
            const picgen::Canvas canvas = icon.draw();
            if (canvas.Width() != icon.size || canvas.Height() != icon.size) {
                std::cerr << "picgen: icon " << icon.id << " is not " << icon.size << " x " << icon.size << "\n";
                return 1;
            }
            picgen::WriteFile(folder + "/" + icon.file,
                              icon.cursor ? picgen::EncodeCursor(canvas, icon.transparent, icon.hotX, icon.hotY)
                                          : picgen::EncodeIcon(canvas, icon.transparent));
        }
    } catch (const std::exception& error) {
        std::cerr << "picgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
