#include "classlib/tests/TestClasses.h"

#include "classlib/core/ClassBuilder.h"

namespace cltest {

std::vector<std::string> g_log;

namespace {
const cl::TEnumNames kShadeNames{{{"shLight", 0}, {"shMedium", 1}, {"shDark", 2}}};
const cl::TEnumNames kOptionNames{{{"opFirst", 0}, {"opSecond", 1}, {"opThird", 2}}};
}  // namespace

const cl::TClassInfo& TFontLike::StaticClass() {
    static const auto info = cl::TClassBuilder<TFontLike>("TFontLike", cl::TPersistent::StaticClass())
                                 .Int("Height", &TFontLike::Height, &TFontLike::SetHeight)
                                 .Str("Name", &TFontLike::FaceName, &TFontLike::SetFaceName)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TColumnLike::StaticClass() {
    static const auto info = cl::TClassBuilder<TColumnLike>("TColumnLike", cl::TCollectionItem::StaticClass())
                                 .Str("Caption", &TColumnLike::Caption, &TColumnLike::SetCaption)
                                 .Int("Width", &TColumnLike::Width, &TColumnLike::SetWidth)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TWidget::StaticClass() {
    static const auto info = cl::TClassBuilder<TWidget>("TWidget", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Int("Count", &TWidget::Count, &TWidget::SetCount)
                                 .Bool("Active", &TWidget::Active, &TWidget::SetActive)
                                 .Str("Caption", &TWidget::Caption, &TWidget::SetCaption)
                                 .Enum<TShade>("Shade", &TWidget::Shade, &TWidget::SetShade, kShadeNames)
                                 .Set("Options", &TWidget::Options, &TWidget::SetOptions, kOptionNames)
                                 .Color("Color", &TWidget::Color, &TWidget::SetColor)
                                 .Binary("Data", &TWidget::Data, &TWidget::SetData)
                                 .Strings("Lines", &TWidget::Lines)
                                 .Object("Font", &TWidget::Font)
                                 .Collection("Columns", &TWidget::Columns)
                                 .Ref<TWidget>("Buddy", &TWidget::Buddy, &TWidget::SetBuddy)
                                 .Event("OnClick", &TWidget::OnClick)
                                 .Event("OnMeasure", &TWidget::OnMeasure)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TTestForm::StaticClass() {
    static const auto info = cl::TClassBuilder<TTestForm>("TTestForm", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Handler("WidgetClick", &TTestForm::WidgetClick)
                                 .Handler("OtherClick", &TTestForm::OtherClick)
                                 .Handler("WidgetMeasure", &TTestForm::WidgetMeasure)
                                 .Field("W1", &TTestForm::W1)
                                 .Build();
    return *info;
}

TWidget::TWidget(cl::TComponent* owner)
    : cl::TComponent(owner), columns_([] { return std::make_unique<TColumnLike>(); }) {}

TWidget::~TWidget() { g_log.push_back("Destroy:" + Name()); }

void TWidget::SetBuddy(TWidget* w) {
    buddy_ = w;
    if (w) w->FreeNotification(this);
}

void TWidget::SetParentComponent(cl::TComponent* parent) {
    parent_ = parent;
    g_log.push_back("Parent:" + Name() + "<-" + (parent ? parent->Name() : std::string("none")));
}

bool TWidget::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (name != "Flat") return false;
    retiredFlat_ = value.boolean ? 1 : 0;
    return true;
}

void TWidget::Loaded() {
    cl::TComponent::Loaded();
    g_log.push_back("Loaded:" + Name() + (buddy_ ? " buddy=" + buddy_->Name() : std::string()));
}

void TWidget::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == buddy_) buddy_ = nullptr;
}

void TWidget::Record(const char* property) {
    g_log.push_back(std::string("Set:") + Name() + "." + property + (parent_ ? " parent=" + parent_->Name() : std::string()));
}

void TTestForm::Loaded() {
    cl::TComponent::Loaded();
    g_log.push_back("Loaded:" + Name());
}

void RegisterTestClasses() {
    cl::TClassRegistry::Register(TWidget::StaticClass());
    cl::TClassRegistry::Register(TTestForm::StaticClass());
}

}  // namespace cltest
