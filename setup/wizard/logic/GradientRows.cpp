// Row arithmetic of the background's vertical colour gradient.
#include "setup/wizard/logic/GradientRows.h"

namespace {

uint32_t Channel(uint32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

uint32_t RowChannel(uint32_t from, uint32_t to, int32_t row, int32_t height) {
    if (from == to)
        return from;
    double value =
        static_cast<double>(from) +
        static_cast<double>(static_cast<int32_t>(to) - static_cast<int32_t>(from)) * row / height;
    return static_cast<uint32_t>(static_cast<int32_t>(value)) & 0xFF;
}

} // namespace

uint32_t GradientRowColour(uint32_t from, uint32_t to, int32_t row, int32_t height) {
    uint32_t colour = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        colour |= RowChannel(Channel(from, shift), Channel(to, shift), row, height) << shift;
    return colour;
}

int32_t SplitGradientBands(uint32_t from, uint32_t to, int32_t height, GradientBand* bands,
                           int32_t capacity) {
    int32_t count = 0;
    for (int32_t row = 0; row < height && capacity > 0; ++row) {
        uint32_t colour = GradientRowColour(from, to, row, height);
        if (count > 0 && (bands[count - 1].colour == colour || count == capacity)) {
            bands[count - 1].endRow = row + 1;
            continue;
        }
        bands[count] = GradientBand{colour, row, row + 1};
        ++count;
    }
    return count;
}
