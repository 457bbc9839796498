#include "wizard/Gradient.h"

namespace {
// Truncates toward zero and keeps the low 8 bits, as the paint does with a
// channel whose value left 0..255.
int LowByte(float value) {
    return static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(value)) & 0xFFu);
}
}

GradientBands ComputeGradientBands(const ColourTriple& from, const ColourTriple& to, int screenHeight) {
    const float height = static_cast<float>(screenHeight / 256.0);
    const float stepRed = static_cast<float>(to.Red - from.Red) / 255.0f;
    const float stepGreen = static_cast<float>(to.Green - from.Green) / 255.0f;
    const float stepBlue = static_cast<float>(to.Blue - from.Blue) / 255.0f;
    float red = static_cast<float>(from.Red);
    float green = static_cast<float>(from.Green);
    float blue = static_cast<float>(from.Blue);

    GradientBands bands;
    for (int i = 0; i < 256; ++i) {
        GradientBand& band = bands[static_cast<size_t>(i)];
        band.Fill = MakeColour(LowByte(red), LowByte(green), LowByte(blue));
        const float top = static_cast<float>(i) * height;
        band.Top = static_cast<int>(top);
        // One rounding to single precision per operation, on every FPU.
        float bottom = static_cast<float>(band.Top) + height;
        bottom = bottom + 0.3f;
        band.Bottom = static_cast<int>(bottom);
        red = red + stepRed;
        green = green + stepGreen;
        blue = blue + stepBlue;
    }
    for (size_t i = 0; i < bands.size(); ++i) {
        const int next = i + 1 < bands.size() ? bands[i + 1].Top : screenHeight;
        bands[i].FillBottom = bands[i].Bottom > next ? bands[i].Bottom : next;
    }
    return bands;
}
