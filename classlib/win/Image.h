#pragma once
// A picture control: shows a bitmap loaded from a file, sized to it when AutoSize is on.

#include <string>

#include "classlib/win/Control.h"
#include "classlib/win/Handles.h"

namespace cl {

// A bitmap picture.
class TPicture : public TPersistent {
    CL_CLASS_INFO()
public:
    // Raises EInvalidGraphic when the file is missing or is no bitmap.
    void LoadFromFile(const std::string& fileName);
    void Clear();
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    TNotifyEvent OnChange;

private:
    TBitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
};

class TImage : public TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TImage(TComponent* owner);

    TPicture* Picture() { return &picture_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);

protected:
    void Paint(TCanvas& canvas) override;

private:
    void PictureChanged();

    TPicture picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
};

}  // namespace cl
