// The background gradient's brush table: built from the row arithmetic, painted band by band.
#include "setup/wizard/GradientBands.h"
#include <stdlib.h>

GradientBands* GradientBands::Create() {
    GradientBands* table = static_cast<GradientBands*>(calloc(1, sizeof(GradientBands)));
    if (table == nullptr)
        return nullptr;
    if (!table->Grow(GetSystemMetrics(SM_CYSCREEN))) {
        table->Destroy();
        return nullptr;
    }
    return table;
}

bool GradientBands::Grow(int32_t bands) {
    if (bands < 1)
        bands = 1;
    HBRUSH* newBrushes = static_cast<HBRUSH*>(realloc(brushes, bands * sizeof(HBRUSH)));
    if (newBrushes == nullptr)
        return false;
    brushes = newBrushes;
    GradientBand* newRanges =
        static_cast<GradientBand*>(realloc(ranges, bands * sizeof(GradientBand)));
    if (newRanges == nullptr)
        return false;
    ranges = newRanges;
    capacity = bands;
    return true;
}

void GradientBands::SetColours(COLORREF from, COLORREF to) {
    fromColour = from;
    toColour = to;
}

void GradientBands::Build(const RECT& rect) {
    Clear();
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    height = bottom - top;
    if (height > capacity)
        Grow(height);
    count = SplitGradientBands(fromColour, toColour, height, ranges, capacity);
    for (int32_t i = 0; i < count; ++i)
        brushes[i] = CreateSolidBrush(ranges[i].colour);
}

void GradientBands::Paint(HDC dc) const {
    if (height <= 0)
        return;
    for (int32_t i = 0; i < count; ++i) {
        // Each band covers one row more; the next band paints over it.
        RECT band = {left, top + ranges[i].firstRow, right, top + ranges[i].endRow + 1};
        if (brushes[i] != nullptr)
            FillRect(dc, &band, brushes[i]);
    }
}

void GradientBands::Clear() {
    for (int32_t i = 0; i < count; ++i) {
        if (brushes[i] != nullptr)
            DeleteObject(brushes[i]);
    }
    count = 0;
}

void GradientBands::Destroy() {
    Clear();
    free(brushes);
    free(ranges);
    free(this);
}
