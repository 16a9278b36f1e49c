#pragma once
// Image lists: equal-sized images (with masks) over a common-controls image list, filled from
// a bitmap strip in the form resource or at run time.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Colors.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

namespace cl {

class TCanvas;
class TCustomImageList;

// How a control that shows a list's images hears of every change to it, while OnChange stays
// the owner's. A link that goes first takes itself off its list.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* sender_ = nullptr;
};

// Points held, a control's image list property, at images: the change link and the control's
// free notification move from the list held before to the new one (either may be null).
void ReplaceImageList(TComponent& control, TCustomImageList*& held, TCustomImageList* images, TChangeLink& link);

class TCustomImageList : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Count() const;
    HIMAGELIST Handle();

    // Adds an image with its mask (either may be the same size as the list's images); returns
    // its index.
    int Add(HBITMAP image, HBITMAP mask);
    // Adds a strip of images, taking maskColor as transparent.
    int AddMasked(HBITMAP image, TColor maskColor);
    int AddIcon(HICON icon);
    void Clear();
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

    // The images as a bitmap file (a strip, lower-left pixel colour transparent) in the form
    // resource.
    std::vector<uint8_t> Bitmap() const { return bitmap_; }
    void SetBitmap(const std::vector<uint8_t>& bitmapFile);
    // The images as a bitmap resource of the program (a strip, as above), loaded by name.
    const std::string& ResourceName() const { return resourceName_; }
    void SetResourceName(const std::string& name);

    TNotifyEvent OnChange;
    // A link is on one list at a time.
    void RegisterChanges(TChangeLink& link);
    void UnRegisterChanges(TChangeLink& link);

private:
    void Recreate();
    // Adds every image of a strip; the lower-left pixel's colour is transparent.
    void AddStrip(HBITMAP strip);
    void Changed();

    int width_ = 16;
    int height_ = 16;
    HIMAGELIST handle_ = nullptr;
    std::vector<uint8_t> bitmap_;
    std::string resourceName_;
    std::vector<TChangeLink*> links_;
};

class TImageList : public TCustomImageList {
    CL_CLASS_INFO()
public:
    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

}  // namespace cl
