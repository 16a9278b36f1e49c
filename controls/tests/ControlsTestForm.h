#pragma once
// A form that holds one of each component of the library, read from its form resource, with
// handlers that record what ran.

#include <string>
#include <vector>

#include "classlib/core/Geometry.h"
#include "classlib/win/Control.h"
#include "classlib/win/Form.h"

class TControlsTestForm : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TControlsTestForm(cl::TComponent* owner) : cl::TForm(owner) {}

    template <class T>
    T* Get(const char* name) {
        return dynamic_cast<T*>(FindComponent(name));
    }

    void actOneExecute(cl::TObject*) { log.push_back("one"); }
    void actTwoExecute(cl::TObject*) { log.push_back("two"); }
    void actPlayExecute(cl::TObject*) { log.push_back("play"); }
    void actStopExecute(cl::TObject*) { log.push_back("stop"); }
    void Group2CanOpen(cl::TObject*, bool& canOpen) {
        log.push_back("canopen");
        canOpen = allowOpen;
    }
    void CheckClick(cl::TObject*) { log.push_back("check"); }
    void DragTargetDrop(cl::TObject*, cl::TShiftState, cl::TPoint, int&) { log.push_back("drop"); }

    std::vector<std::string> log;
    bool allowOpen = false;
};
