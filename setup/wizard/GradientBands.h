// The brush table from which the background's vertical gradient is painted, one brush per band.
#pragma once
#include <windows.h>
#include "setup/wizard/logic/GradientRows.h"

struct GradientBands {
    HBRUSH* brushes;
    GradientBand* ranges;
    LONG left, top, right, bottom;
    COLORREF fromColour;
    COLORREF toColour;
    int32_t count;
    int32_t capacity;
    int32_t height;

    // A table sized for the screen height, no bands yet; null when memory is short.
    static GradientBands* Create();
    void SetColours(COLORREF from, COLORREF to);
    // Recomputes the bands for rect; a rect taller than the capacity grows the table first (when
    // that fails, the last band stretches to the bottom instead).
    void Build(const RECT& rect);
    // Fills every band on dc; nothing for a rect of no height.
    void Paint(HDC dc) const;
    // Deletes every band's brush; count := 0.
    void Clear();
    // Clear, then frees both arrays and the table itself.
    void Destroy();

  private:
    bool Grow(int32_t bands);
};
