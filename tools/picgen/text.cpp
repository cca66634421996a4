#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>
#include <vector>

namespace picgen {

namespace {

Typesetter* current = nullptr;

std::vector<char32_t> Decode(const std::string& utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (int k = 1; k < length && i + k < utf8.size(); ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
        out.push_back(code);
        i += length;
    }
    return out;
}

}  // namespace

struct Typesetter::Impl {
    FT_Library library = nullptr;
    FT_Face faces[3] = {nullptr, nullptr, nullptr};  // sans, sans bold, CJK

    ~Impl() {
        for (FT_Face face : faces) {
            if (face) FT_Done_Face(face);
        }
        if (library) FT_Done_FreeType(library);
    }

    FT_Face Select(Face face, int pixels) {
        FT_Face f = faces[face == Face::Sans ? 0 : face == Face::SansBold ? 1 : 2];
        FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixels));
        return f;
    }

    // Loads one glyph as a grey coverage bitmap; the CJK face has no bold, so it is thickened.
    bool Load(Face face, int pixels, char32_t code) {
        FT_Face f = Select(face, pixels);
        if (FT_Load_Char(f, code, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT)) return false;
        if (face == Face::CjkBold && f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_Outline_Embolden(&f->glyph->outline, pixels * 64 / 24);
        }
        return FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) == 0;
    }
};

Typesetter::Typesetter(const FontFiles& files) : impl_(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl_->library)) throw std::runtime_error("FreeType does not start");
    const std::string* paths[3] = {&files.sans, &files.sansBold, &files.cjk};
    for (int i = 0; i < 3; ++i) {
        if (FT_New_Face(impl_->library, paths[i]->c_str(), 0, &impl_->faces[i])) {
            throw std::runtime_error("cannot open the font " + *paths[i]);
        }
    }
}

Typesetter::~Typesetter() = default;

int Typesetter::Measure(Face face, int pixels, const std::string& text) {
    long width = 0;
    for (char32_t code : Decode(text)) {
        if (impl_->Load(face, pixels, code)) width += impl_->Select(face, pixels)->glyph->advance.x;
    }
    return static_cast<int>((width + 63) / 64);
}

void Typesetter::Draw(Image& image, Face face, int pixels, double x, double baseline, const std::string& text,
                      Rgb colour) {
    double pen = x;
    for (char32_t code : Decode(text)) {
        if (!impl_->Load(face, pixels, code)) continue;
        const FT_GlyphSlot glyph = impl_->Select(face, pixels)->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int left = static_cast<int>(std::lround(pen)) + glyph->bitmap_left;
        const int top = static_cast<int>(std::lround(baseline)) - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char coverage = bitmap.buffer[row * bitmap.pitch + column];
                if (coverage) image.Blend(left + static_cast<int>(column), top + static_cast<int>(row), colour,
                                          coverage / 255.0);
            }
        }
        pen += glyph->advance.x / 64.0;
    }
}

void Typesetter::DrawCentred(Image& image, Face face, int pixels, double cx, double cy, const std::string& text,
                             Rgb colour) {
    // Latin capitals stand about 0.72 em high, CJK ideographs about 0.8 em; centring on
    // that height keeps mixed lines on one level.
    const bool cjk = face == Face::Cjk || face == Face::CjkBold;
    const double ascent = pixels * (cjk ? 0.80 : 0.72);
    Draw(image, face, pixels, cx - Measure(face, pixels, text) / 2.0, cy + ascent / 2.0, text, colour);
}

Typesetter& Type() {
    if (!current) throw std::logic_error("no fonts are set up");
    return *current;
}

void SetType(Typesetter* typesetter) { current = typesetter; }

}  // namespace picgen
