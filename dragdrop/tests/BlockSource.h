#pragma once
// A data object for tests that offers ready-made blocks, one per format, in global memory: it
// stands for other programs' sources, whose blocks may be wide, partial or damaged.

#include <map>

#include "dragdrop/DropSource.h"
#include "dragdrop/ShellFileFormats.h"

class TBlockSource : public TDropSource {
public:
    explicit TBlockSource(cl::TComponent* owner) : TDropSource(owner) {}

    void Offer(CLIPFORMAT format, const dragdrop::TBytes& block);

protected:
    HRESULT RenderData(const FORMATETC& format, STGMEDIUM& medium) override;

private:
    std::map<CLIPFORMAT, dragdrop::TBytes> blocks_;
};
