#pragma once
// A label that opens its address through the shell when clicked: URL, or the caption when URL
// is blank. It is drawn underlined in UnvisitedColor, and in VisitedColor once opened, and
// shows the library's hand cursor.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "classlib/win/Screen.h"
#include "controls/basic/MwLabel.h"

// The screen cursor id under which the library's hand cursor is registered.
constexpr cl::TCursor crMwHandPoint = 26000;

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
    cl::TCursor Cursor() const { return cursor_; }
    void SetCursor(cl::TCursor v) { cursor_ = v; }

    // The label's click, then the shell opens the target.
    void Click() override;

    // How the target is opened: ShellExecuteEx with the given information, true on success.
    // Tests replace it so that nothing is started.
    using TShellOpen = std::function<bool(SHELLEXECUTEINFOA& info)>;
    static TShellOpen& ShellOpen();

protected:
    virtual void UpdateLinkColor();
    void WndProc(cl::TMessage& message) override;

private:
    std::string url_;
    bool visited_ = false;
    cl::TColor unvisitedColor_ = cl::clHighlight;
    cl::TColor visitedColor_ = 0x800080;
    cl::TCursor cursor_ = crMwHandPoint;
};
