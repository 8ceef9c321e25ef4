// Static text that paints itself: colour, font, solid or gradient background, blinking, embossed
// or angled text, hyperlink. Every setter repaints at once and returns the label, so calls chain.
#pragma once
#include "common/Static.h"

class CLinkLabel : public CStatic {
  public:
    // Notification code sent to the parent (WM_NOTIFY, wParam = control id) on a click when the
    // label notifies instead of opening its text.
    static constexpr UINT kClickNotification = 0x8200;
    // Timer id of blinking.
    static constexpr UINT_PTR kBlinkTimer = 1;

    CLinkLabel();
    // Deletes the font, the default and the own background brush.
    ~CLinkLabel() override;
    const char* RuntimeClass() const override { return "CLinkLabel"; }

    // Solid background of start (gradient off) or a left-to-right gradient start..end.
    virtual CLinkLabel& SetBackground(COLORREF start, COLORREF end = 0, bool gradient = false);
    virtual CLinkLabel& SetForeground(COLORREF colour);
    virtual CLinkLabel& SetCaption(const char* text);
    // Weight 700 when on, 400 when off.
    virtual CLinkLabel& SetBold(bool on);
    // Face names longer than 31 characters are cut to 31.
    virtual CLinkLabel& SetFace(const char* face, BYTE charSet = DEFAULT_CHARSET);
    virtual CLinkLabel& SetUnderline(bool on);
    virtual CLinkLabel& SetItalic(bool on);
    // Font height for points on the screen (-12 for 9 points at 96 pixels per inch), width 0.
    virtual CLinkLabel& SetPointSize(int points);
    // Static-edge extended style / thin border style, with a frame change.
    virtual CLinkLabel& SetSunkenEdge(bool on);
    virtual CLinkLabel& SetThinBorder(bool on);
    // Paints straight on the parent's background, without filling anything.
    virtual CLinkLabel& SetSeeThrough(bool on);
    // Text vanishes against the own background every other 500 ms.
    virtual CLinkLabel& BlinkText(bool on);
    // Own background (solid or gradient) alternates with the default background every 500 ms;
    // off stops the timer and keeps the blink mode, drawing the label in its on phase.
    virtual CLinkLabel& BlinkBackground(bool on);
    // Receives clicks (notify style); a click opens the text through the shell, or with
    // notifyParent sends the parent kClickNotification instead.
    virtual CLinkLabel& SetHyperlink(bool on, bool notifyParent = false);
    virtual CLinkLabel& SetHyperlinkCursor(HCURSOR cursor);
    // Text drawn a second time in the emboss colour, offset (+1,+1) when raised, else (-1,-1).
    virtual CLinkLabel& SetEmbossed(bool on, bool raised = false);
    // Escapement and orientation of degrees; angled draws the text centred on the label.
    virtual CLinkLabel& SetAngle(int degrees, bool angled);
    virtual CLinkLabel& SetEmbossColour(COLORREF colour);

    // What the label draws with (for tests and for code that reads the label back).
    COLORREF TextColour() const { return m_textColour; }
    COLORREF EmbossColour() const { return m_embossColour; }
    const LOGFONTA& FontDescription() const { return m_fontDescription; }
    // The font made from the description, null when it could not be made.
    HFONT Font() const { return m_font; }
    int BlinkMode() const { return m_blinkMode; }
    int BlinkPhase() const { return m_blinkPhase; }

    // Paints the label on dc as WM_PAINT does (including the off-screen copy).
    void Paint(HDC dc, const RECT& client);

  protected:
    // Reads the control's font into the description; a control without font keeps the current one.
    void OnAttach() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Refresh();
    void RebuildFont();
    void ChangeStyle(int index, LONG_PTR bits, bool on);
    void StartBlink(int mode);
    void DrawContent(HDC dc, const RECT& client);
    void FillBackground(HDC dc, const RECT& client);
    UINT TextFormat(const char* text) const;
    void DrawLabelText(HDC dc, const RECT& client, const char* text);
    void OnClick();

    COLORREF m_textColour;
    COLORREF m_embossColour = RGB(255, 255, 255);
    HBRUSH m_defaultBrush;
    HBRUSH m_ownBrush = nullptr;
    LOGFONTA m_fontDescription;
    HFONT m_font = nullptr;
    int m_blinkPhase = 0;
    bool m_blinkArmed = false;
    bool m_seeThrough = false;
    bool m_embossed = false;
    bool m_notifyOnClick = false;
    bool m_angled = false;
    int m_blinkMode = 0;
    HCURSOR m_hyperlinkCursor = nullptr;
    bool m_embossRaised = false;
    bool m_gradient = false;
    COLORREF m_gradientEnd = 0;
    COLORREF m_gradientStart = 0;
};
