#include "app/frmOptions.h"

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwRadioButton.h"

const cl::TClassInfo& TfrmOptions::StaticClass() {
    using F = TfrmOptions;
    static const auto info = cl::TClassBuilder<F>("TfrmOptions", cl::TForm::StaticClass())
                                 .Field("cgBasic", &F::cgBasic)
                                 .Field("gbOptions", &F::gbOptions)
                                 .Field("rbOpen", &F::rbOpen)
                                 .Field("rbSave", &F::rbSave)
                                 .Field("cbPlayWav", &F::cbPlayWav)
                                 .Field("MwBitBtn1", &F::MwBitBtn1)
                                 .Build();
    return *info;
}
