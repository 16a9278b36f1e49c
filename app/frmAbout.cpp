#include "app/frmAbout.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Image.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwURLLabel.h"

const cl::TClassInfo& TfrmAbout::StaticClass() {
    using F = TfrmAbout;
    static const auto info = cl::TClassBuilder<F>("TfrmAbout", cl::TForm::StaticClass())
                                 .Field("Image1", &F::Image1)
                                 .Field("MwLabel1", &F::MwLabel1)
                                 .Field("MwLabel2", &F::MwLabel2)
                                 .Field("MwLabel3", &F::MwLabel3)
                                 .Field("MwLabel4", &F::MwLabel4)
                                 .Field("MwURLLabel1", &F::MwURLLabel1)
                                 .Field("MwURLLabel2", &F::MwURLLabel2)
                                 .Field("MwURLLabel3", &F::MwURLLabel3)
                                 .Field("MwBitBtn1", &F::MwBitBtn1)
                                 .Handler("MwBitBtn1Click", &F::MwBitBtn1Click)
                                 .Build();
    return *info;
}

void TfrmAbout::MwBitBtn1Click(cl::TObject*) { Close(); }
