// The arithmetic of the background gradient: 256 horizontal colour bands,
// computed in single precision exactly as the background paint does it.
#pragma once
#include <array>
#include <cstdint>

#include "script/SetupState.h"

struct GradientBand {
    int Top = 0;     // first row
    int Bottom = 0;  // first row below the band
    Colour Fill = 0; // low 8 bits of each truncated channel value
    // Where the paint stops: the band's own bottom, stretched over rows that
    // no band covers (below it, before the next band or the screen's end),
    // so that no row keeps whatever the off-screen bitmap held.
    int FillBottom = 0;
};

using GradientBands = std::array<GradientBand, 256>;

GradientBands ComputeGradientBands(const ColourTriple& from, const ColourTriple& to, int screenHeight);
