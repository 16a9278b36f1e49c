#pragma once
// Small component classes that exercise every kind of property the form reader handles.

#include <string>
#include <vector>

#include "classlib/core/Collection.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/StringList.h"

namespace cltest {

// Everything the tests observe, in order: "Loaded:name", "Parent:name<-parent", ...
extern std::vector<std::string> g_log;

enum class TShade { Light, Medium, Dark };

class TFontLike : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    int Height() const { return height_; }
    void SetHeight(int h) { height_ = h; }
    std::string FaceName() const { return name_; }
    void SetFaceName(const std::string& n) { name_ = n; }

private:
    int height_ = 0;
    std::string name_;
};

class TColumnLike : public cl::TCollectionItem {
    CL_CLASS_INFO()
public:
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }

private:
    std::string caption_;
    int width_ = 50;
};

class TWidget : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TWidget(cl::TComponent* owner);
    ~TWidget() override;

    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; Record("Count"); }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; Record("Caption"); }
    TShade Shade() const { return shade_; }
    void SetShade(TShade v) { shade_ = v; }
    unsigned Options() const { return options_; }
    void SetOptions(unsigned v) { options_ = v; }
    int Color() const { return color_; }
    void SetColor(int v) { color_ = v; }
    std::vector<uint8_t> Data() const { return data_; }
    void SetData(const std::vector<uint8_t>& v) { data_ = v; }
    cl::TStringList* Lines() { return &lines_; }
    TFontLike* Font() { return &font_; }
    cl::TCollection* Columns() { return &columns_; }
    TWidget* Buddy() const { return buddy_; }
    void SetBuddy(TWidget* w);
    cl::TComponent* Parent() const { return parent_; }
    int RetiredFlat() const { return retiredFlat_; }

    void SetParentComponent(cl::TComponent* parent) override;
    cl::TComponent* GetParentComponent() const override { return parent_; }
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;
    void Loaded() override;

    cl::TNotifyEvent OnClick;
    cl::TEvent<cl::TObject*, int&> OnMeasure;

protected:
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    void Record(const char* property);

    int count_ = 0;
    bool active_ = false;
    std::string caption_;
    TShade shade_ = TShade::Light;
    unsigned options_ = 0;
    int color_ = 0;
    std::vector<uint8_t> data_;
    cl::TStringList lines_;
    TFontLike font_;
    cl::TCollection columns_;
    TWidget* buddy_ = nullptr;
    cl::TComponent* parent_ = nullptr;
    int retiredFlat_ = -1;
};

// A root component with handler methods, as a form would be.
class TTestForm : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TTestForm(cl::TComponent* owner = nullptr) : cl::TComponent(owner) {}
    void WidgetClick(cl::TObject* sender) { clicks.push_back(static_cast<cl::TComponent*>(sender)->Name()); }
    void OtherClick(cl::TObject* sender) {}
    void WidgetMeasure(cl::TObject* sender, int& height) { height = 42; }
    void Loaded() override;

    std::vector<std::string> clicks;
    TWidget* W1 = nullptr;           // filled by name from the form resource
};

void RegisterTestClasses();

}  // namespace cltest
