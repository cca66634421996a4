// Lettering with FreeType: the pictures that carry words render them at build
// time from the build machine's fonts, Latin text in a sans serif face and
// Chinese and Japanese text in a CJK face.
#pragma once

#include "image.h"

#include <memory>
#include <string>

namespace picgen {

struct FontFiles {
    std::string sans;      // regular Latin face
    std::string sansBold;  // bold Latin face
    std::string cjk;       // a face with Chinese and Japanese glyphs
};

enum class Face { Sans, SansBold, Cjk, CjkBold };

// The fonts, opened once for the whole run.
class Typesetter {
public:
    explicit Typesetter(const FontFiles& files);  // throws std::runtime_error when a font cannot be opened
    ~Typesetter();
    Typesetter(const Typesetter&) = delete;
    Typesetter& operator=(const Typesetter&) = delete;

    // Width in pixels of UTF-8 text set in face at the given pixel size.
    int Measure(Face face, int pixels, const std::string& text);
    // Draws text with its baseline starting at (x, baseline).
    void Draw(Image& image, Face face, int pixels, double x, double baseline, const std::string& text, Rgb colour);
    // Draws text centred on cx, with its capital letters centred on cy.
    void DrawCentred(Image& image, Face face, int pixels, double cx, double cy, const std::string& text,
                     Rgb colour);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The typesetter of this run, set up by main before anything is drawn.
Typesetter& Type();
void SetType(Typesetter* typesetter);

}  // namespace picgen
