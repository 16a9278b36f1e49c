#include "controls/tests/ControlsTestForm.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TControlsTestForm::StaticClass() {
    using F = TControlsTestForm;
    static const auto info = cl::TClassBuilder<F>("TControlsTestForm", cl::TForm::StaticClass())
                                 .Handler("actOneExecute", &F::actOneExecute)
                                 .Handler("actTwoExecute", &F::actTwoExecute)
                                 .Handler("actPlayExecute", &F::actPlayExecute)
                                 .Handler("actStopExecute", &F::actStopExecute)
                                 .Handler("Group2CanOpen", &F::Group2CanOpen)
                                 .Handler("CheckClick", &F::CheckClick)
                                 .Handler("DragTargetDrop", &F::DragTargetDrop)
                                 .Build();
    return *info;
}
