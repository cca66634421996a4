// picgen: draws the program's pictures and writes them as BMP, ICO and CUR
// files for the resource compiler, with the resource script fragment that names
// them in their languages and the click sound. Runs on the build machine.
//
//   picgen --sans FONT --sans-bold FONT --cjk FONT OUTPUT_FOLDER [FILE...]
//
// Writes everything into OUTPUT_FOLDER (the pictures with words into one
// subfolder per language). The build names the files it expects after the
// folder; picgen then checks that it writes exactly those, so that the build's
// list and the table cannot drift apart. Exits non-zero, saying why, when the
// lists differ, a font cannot be opened, a picture does not come out at the size
// that the table gives for it, or a file cannot be written.

#include "image_files.h"
#include "pictures.h"
#include "text.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

namespace {

std::set<std::string> WrittenFiles() {
    std::set<std::string> written = {picgen::kPictureScriptFile, picgen::kClickSoundFile};
    for (const picgen::Picture& picture : picgen::Pictures()) {
        for (const picgen::Language& language : picgen::Languages()) {
            if (picture.fourSets || &language == &picgen::Neutral()) {
                written.insert(picgen::PicturePath(picture, language));
            }
        }
    }
    for (const picgen::Icon& icon : picgen::Icons()) written.insert(icon.file);
    return written;
}

void WritePictures(const std::string& folder) {
    for (const picgen::Picture& picture : picgen::Pictures()) {
        for (const picgen::Language& language : picgen::Languages()) {
            if (!picture.fourSets && &language != &picgen::Neutral()) continue;
            const picgen::Image image = picture.draw(language);
            if (image.Width() != picture.width || image.Height() != picture.height) {
                throw std::runtime_error("bitmap " + std::to_string(picture.id) + " is drawn " +
                                         std::to_string(image.Width()) + " x " + std::to_string(image.Height()) +
                                         ", not " + std::to_string(picture.width) + " x " +
                                         std::to_string(picture.height));
            }
            const std::string path = folder + "/" + picgen::PicturePath(picture, language);
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            const picgen::Canvas canvas = picgen::Quantize(image, picture.bitsPerPixel == 4 ? 16 : 256);
            picgen::WriteFile(path, picgen::EncodeBmp(canvas, picture.bitsPerPixel, picture.compression));
        }
    }
    for (const picgen::Icon& icon : picgen::Icons()) {
        const picgen::Canvas canvas = icon.draw();
        if (canvas.Width() != icon.size || canvas.Height() != icon.size) {
            throw std::runtime_error("icon " + std::to_string(icon.id) + " is not " + std::to_string(icon.size) +
                                     " x " + std::to_string(icon.size));
        }
        picgen::WriteFile(folder + "/" + icon.file,
                          icon.cursor ? picgen::EncodeCursor(canvas, icon.transparent, icon.hotX, icon.hotY)
                                      : picgen::EncodeIcon(canvas, icon.transparent));
    }
    const std::string script = picgen::PictureScript();
    picgen::WriteFile(folder + "/" + picgen::kPictureScriptFile, std::vector<std::uint8_t>(script.begin(), script.end()));
    picgen::WriteFile(folder + "/" + picgen::kClickSoundFile, picgen::ClickSound());
}

}  // namespace

int main(int argc, char** argv) {
    picgen::FontFiles fonts;
    int arg = 1;
    for (; arg + 1 < argc && std::string(argv[arg]).rfind("--", 0) == 0; arg += 2) {
        const std::string option = argv[arg];
        if (option == "--sans") fonts.sans = argv[arg + 1];
        else if (option == "--sans-bold") fonts.sansBold = argv[arg + 1];
        else if (option == "--cjk") fonts.cjk = argv[arg + 1];
        else {
            std::cerr << "picgen: unknown option " << option << "\n";
            return 2;
        }
    }
    if (arg >= argc || fonts.sans.empty() || fonts.sansBold.empty() || fonts.cjk.empty()) {
        std::cerr << "usage: picgen --sans FONT --sans-bold FONT --cjk FONT OUTPUT_FOLDER [FILE...]\n";
        return 2;
    }
    const std::string folder = argv[arg++];
    if (arg < argc) {
        const std::set<std::string> expected(argv + arg, argv + argc);
        const std::set<std::string> written = WrittenFiles();
        if (written != expected) {
            for (const std::string& file : written) {
                if (!expected.count(file)) std::cerr << "picgen: the build does not list " << file << "\n";
            }
            for (const std::string& file : expected) {
                if (!written.count(file)) std::cerr << "picgen: nothing is written as " << file << "\n";
            }
            return 1;
        }
    }
    try {
        picgen::Typesetter typesetter(fonts);
        picgen::SetType(&typesetter);
        WritePictures(folder);
        picgen::SetType(nullptr);
    } catch (const std::exception& error) {
        std::cerr << "picgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
