// An edit control that paints its text in a colour and font of the program's choosing on its own
// background colour.
#pragma once
#include "common/Edit.h"

class CEditEx : public CEdit {
  public:
    // The system's window and window-text colours, their brush, no font of its own.
    CEditEx();
    // Deletes the font, then the brush.
    ~CEditEx() override;
    const char* RuntimeClass() const override { return "CEditEx"; }

    // (Re)creates the background brush from the background colour.
    virtual void MakeBackBrush();

    // Each answers the previous colour and repaints the control.
    COLORREF SetBackColour(COLORREF colour);
    COLORREF SetTextColour(COLORREF colour);
    // Replaces the control's font by one of height, weight, pitch and family and face (cut to 31
    // characters). When the font cannot be made the control keeps the font it shows.
    void SetEditFont(int height, int weight, BYTE pitchAndFamily, const char* face);

    COLORREF BackColour() const { return m_backColour; }
    COLORREF TextColour() const { return m_textColour; }
    // The font made by SetEditFont, null when none was made.
    HFONT Font() const { return m_font; }

  protected:
    HBRUSH OnCtlColor(HDC dc, UINT msg) override;

  private:
    HBRUSH m_backBrush = nullptr;
    COLORREF m_backColour;
    COLORREF m_textColour;
    HFONT m_font = nullptr;
};
