#pragma once
// The dock manager of a framed panel that is a dock site: 14-pixel grabbers, and, while the
// panel shows dock client captions, each grabber painted as a caption strip (active colours
// for the client that holds the focus) with the client's caption and a close glyph.

#include "classlib/win/DockTree.h"
#include "classlib/win/Font.h"

class TMwCustomPanel;

class TMwPanelDockManager : public cl::TDockTree {
public:
    static constexpr int kGrabberSize = 14;

    explicit TMwPanelDockManager(TMwCustomPanel& panel);

    // A command or a mouse activation in the panel may change which client has the focus:
    // the caption strips are painted again.
    void SiteMessage(UINT msg) override;

protected:
    void PaintDockFrame(cl::TCanvas& canvas, cl::TControl& client, const cl::TRect& r) override;
    cl::TRect CloseBoxRect(const cl::TRect& r) const override;

private:
    cl::TFont captionFont_;
    cl::TFont closeFont_;
};
