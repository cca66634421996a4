// The texts of the wizard's shown page as the program draws them, measured
// from inside through the frame probe: which static and button texts their
// controls cannot show, and whether a text comes out as glyphs or as empty
// boxes.
#pragma once

#include "../hooks/text_probe_state.h"
#include "frame_probe.h"

#include <optional>
#include <string>
#include <vector>

namespace driver {

class TextProbe {
public:
    // probe must be attached to the wizard and outlive this object.
    explicit TextProbe(FrameProbe& probe);
    ~TextProbe();
    TextProbe(const TextProbe&) = delete;
    TextProbe& operator=(const TextProbe&) = delete;

    // The static and button texts of the shown page that do not fit their
    // controls; nothing (with a failure) when the page cannot be measured.
    std::optional<std::vector<text_probe::Misfit>> Misfits();
    // How control id's text draws; nothing (with a failure) without it.
    std::optional<text_probe::Glyphs> Glyphs(int id);

private:
    FrameProbe& probe_;
    HANDLE section_ = nullptr;
    text_probe::Section* view_ = nullptr;
};

std::string Describe(const text_probe::Misfit& misfit);

}  // namespace driver
