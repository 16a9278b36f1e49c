#pragma once
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Button.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"

class TTestMainForm : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TTestMainForm(cl::TComponent* owner) : cl::TForm(owner) {}

    void FormCreate(cl::TObject*) { events.push_back("create"); }
    void FormShow(cl::TObject*) { events.push_back("show"); }
    void FormDestroy(cl::TObject*) {
        if (destroyLog) destroyLog->push_back("destroy:" + std::to_string(ComponentCount()));
    }
    void Edit1Change(cl::TObject*) { events.push_back("change"); }
    void actFailExecute(cl::TObject*) { throw cl::Exception("Handler failed on purpose"); }
    void actFailUpdate(cl::TObject*) { ++updates; }

    cl::TPanel* Panel(const char* name) { return dynamic_cast<cl::TPanel*>(FindComponent(name)); }

    std::vector<std::string> events;
    int updates = 0;
    // Where the destroy event writes, so a test can read it after the form is gone.
    std::vector<std::string>* destroyLog = nullptr;
};
