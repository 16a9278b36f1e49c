#pragma once
// A label that opens its address through the shell when clicked: URL, or the caption when URL
// is blank. It is drawn underlined in UnvisitedColor, and in VisitedColor once opened.
//
// This class offers what the program uses so far; the library's hand cursor resource comes
// later (the system's hand cursor shows meanwhile).

#include <string>

#include "controls/basic/MwLabel.h"

class TMwURLLabel : public TMwLabel {
    CL_CLASS_INFO()
public:
    explicit TMwURLLabel(cl::TComponent* owner);

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }
    bool Visited() const { return visited_; }
    void SetVisited(bool v);
    cl::TColor UnvisitedColor() const { return unvisitedColor_; }
    void SetUnvisitedColor(cl::TColor v);
    cl::TColor VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(cl::TColor v);

    // The label's click, then the shell opens the target.
    void Click() override;

protected:
    void WndProc(cl::TMessage& message) override;

private:
    void UpdateLinkColor();

    std::string url_;
    bool visited_ = false;
    cl::TColor unvisitedColor_ = cl::clHighlight;
    cl::TColor visitedColor_ = 0x800080;
};
