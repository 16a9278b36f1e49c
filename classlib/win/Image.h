#pragma once
// A picture control: shows a bitmap loaded from a file or from its form resource, sized to it
// when AutoSize is on.

#include <functional>
#include <string>
#include <vector>

#include "classlib/win/Control.h"
#include "classlib/win/Handles.h"

namespace cl {

// Makes a bitmap from a graphic's bytes; raises when they hold no such graphic.
using TGraphicReader = std::function<HBITMAP(const std::vector<uint8_t>& graphic)>;

// A bitmap picture.
class TPicture : public TPersistent {
    CL_CLASS_INFO()
public:
    // Raises EInvalidGraphic when the file is missing or is no bitmap.
    void LoadFromFile(const std::string& fileName);
    void Clear();
    // Takes the bitmap over.
    void SetBitmap(HBITMAP bitmap);
    // The picture as form resources hold it ("Picture.Data"): a length byte and the name of the
    // graphic's class, then the graphic's own bytes, which the reader registered for that
    // class turns into the bitmap. Raises EInvalidGraphic for a class without a reader.
    const std::vector<uint8_t>& Data() const { return data_; }
    void SetData(const std::vector<uint8_t>& data);
    // How pictures of a graphic class (for example "TJPEGImage") are read from form resources.
    static void RegisterGraphicClass(const std::string& className, TGraphicReader reader);
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    TNotifyEvent OnChange;

private:
    TBitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> data_;
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
