// The full-screen window behind the wizard: a blue-to-black gradient with the setup title; it
// owns the wizard frame, keeps the keyboard focus on it, and ends when the frame ends it.
#pragma once
#include "common/Dialog.h"
#include "setup/wizard/GradientBands.h"
#include "setup/wizard/WizardFrame.h"

class CBackgroundDialog : public CDialog {
  public:
    // Loads the setup icon and builds the frame object; no window yet.
    CBackgroundDialog();
    ~CBackgroundDialog() override;
    const char* RuntimeClass() const override { return "CBackgroundDialog"; }

    CWizardFrame& Frame() { return m_frame; }
    // The gradient and the title (or, minimised, the icon), on any device context.
    bool Paint(HDC dc, const RECT& client) override;

  protected:
    // Enter and Escape do nothing here but move the focus to the frame.
    bool PreTranslateMessage(MSG* msg) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    HICON OnQueryDragIcon() override;
    void OnShowWindow(bool show, UINT status) override;
    void OnDestroy() override;

  private:
    void PaintGradient(HDC dc, const RECT& client);
    void PaintTitle(HDC dc);
    void PaintIcon(HDC dc, const RECT& client);
    void FocusFrame();

    GradientBands* m_bands = nullptr;
    HICON m_icon;
    CWizardFrame m_frame;
};
