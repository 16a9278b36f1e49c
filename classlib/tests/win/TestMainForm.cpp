#include "classlib/tests/win/TestMainForm.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TTestMainForm::StaticClass() {
    static const auto info = cl::TClassBuilder<TTestMainForm>("TTestMainForm", cl::TForm::StaticClass())
                                 .Handler("FormCreate", &TTestMainForm::FormCreate)
                                 .Handler("FormShow", &TTestMainForm::FormShow)
                                 .Handler("FormDestroy", &TTestMainForm::FormDestroy)
                                 .Handler("Edit1Change", &TTestMainForm::Edit1Change)
                                 .Handler("actFailExecute", &TTestMainForm::actFailExecute)
                                 .Handler("actFailUpdate", &TTestMainForm::actFailUpdate)
                                 .Build();
    return *info;
}
