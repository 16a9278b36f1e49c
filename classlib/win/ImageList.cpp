#include "classlib/win/ImageList.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"

namespace cl {

const TClassInfo& TCustomImageList::StaticClass() {
    static const auto info = TClassBuilder<TCustomImageList>("TCustomImageList", TComponent::StaticClass())
                                 .Int("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth)
                                 .Int("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight)
                                 .Binary("Bitmap", &TCustomImageList::Bitmap, &TCustomImageList::SetBitmap)
                                 .Str("ResourceName", &TCustomImageList::ResourceName, &TCustomImageList::SetResourceName)
                                 .Build();
    return *info;
}

const TClassInfo& TImageList::StaticClass() {
    static const auto info = TClassBuilder<TImageList>("TImageList", TCustomImageList::StaticClass()).Creatable().Build();
    return *info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : links_) link->sender_ = nullptr;
    if (handle_) ImageList_Destroy(handle_);
}

TChangeLink::~TChangeLink() {
    if (sender_) sender_->UnRegisterChanges(*this);
}

void ReplaceImageList(TComponent& control, TCustomImageList*& held, TCustomImageList* images, TChangeLink& link) {
    if (held) {
        held->UnRegisterChanges(link);
        control.RemoveFreeNotification(held);
    }
    held = images;
    if (images) {
        images->RegisterChanges(link);
        control.FreeNotification(images);
    }
}

void TCustomImageList::RegisterChanges(TChangeLink& link) {
    if (link.sender_ == this) return;
    if (link.sender_) link.sender_->UnRegisterChanges(link);
    link.sender_ = this;
    links_.push_back(&link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink& link) {
    if (link.sender_ != this) return;
    link.sender_ = nullptr;
    links_.erase(std::find(links_.begin(), links_.end(), &link));
}

void TCustomImageList::Changed() {
    OnChange(this);
    // A handler may take its link off the list.
    for (TChangeLink* link : std::vector<TChangeLink*>(links_))
        if (link->sender_ == this) link->OnChange(this);
}

HIMAGELIST TCustomImageList::Handle() {
    if (!handle_) {
        handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
        if (!handle_) throw Exception("Cannot create an image list");
    }
    return handle_;
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::Recreate() {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = nullptr;
    if (!bitmap_.empty()) SetBitmap(std::vector<uint8_t>(bitmap_));
    if (!resourceName_.empty()) SetResourceName(std::string(resourceName_));
    Changed();
}

void TCustomImageList::SetWidth(int width) {
    if (width == width_ || width <= 0) return;
    width_ = width;
    Recreate();
}

void TCustomImageList::SetHeight(int height) {
    if (height == height_ || height <= 0) return;
    height_ = height;
    Recreate();
}

int TCustomImageList::Add(HBITMAP image, HBITMAP mask) {
    const int index = ImageList_Add(Handle(), image, mask);
    if (index < 0) throw Exception("Cannot add an image to " + Name());
    Changed();
    return index;
}

int TCustomImageList::AddMasked(HBITMAP image, TColor maskColor) {
    const int index = ImageList_AddMasked(Handle(), image, ColorToRGB(maskColor));
    if (index < 0) throw Exception("Cannot add an image to " + Name());
    Changed();
    return index;
}

int TCustomImageList::AddIcon(HICON icon) {
    const int index = ImageList_AddIcon(Handle(), icon);
    if (index < 0) throw Exception("Cannot add an icon to " + Name());
    Changed();
    return index;
}

void TCustomImageList::Clear() {
    if (handle_) ImageList_RemoveAll(handle_);
    Changed();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
    if (index < 0 || index >= Count()) return;
    ImageList_DrawEx(handle_, index, canvas.Handle(), x, y, 0, 0, CLR_NONE, enabled ? CLR_DEFAULT : CLR_NONE,
                     enabled ? ILD_NORMAL : (ILD_NORMAL | ILD_BLEND50));
}

void TCustomImageList::AddStrip(HBITMAP strip) {
    BITMAP info = {};
    GetObjectA(strip, sizeof(info), &info);
    HDC memory = CreateCompatibleDC(nullptr);
    COLORREF transparent;
    {
        TSelectObject select(memory, strip);
        transparent = GetPixel(memory, 0, (info.bmHeight < 0 ? -info.bmHeight : info.bmHeight) - 1);
    }
    DeleteDC(memory);
    ImageList_AddMasked(Handle(), strip, transparent);
    Changed();
}

void TCustomImageList::SetBitmap(const std::vector<uint8_t>& bitmapFile) {
    bitmap_ = bitmapFile;
    if (handle_) ImageList_RemoveAll(handle_);
    if (bitmapFile.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return;
    const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(bitmapFile.data());
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bitmapFile.data() + sizeof(BITMAPFILEHEADER));
    if (file->bfType != 0x4D42 || file->bfOffBits >= bitmapFile.size()) throw Exception("Image list " + Name() + ": not a bitmap");
    TBitmapHandle bitmap(CreateDIBitmap(TScreenDC().Handle(), &info->bmiHeader, CBM_INIT, bitmapFile.data() + file->bfOffBits, info, DIB_RGB_COLORS));
    if (!bitmap) throw Exception("Image list " + Name() + ": unreadable bitmap");
    AddStrip(bitmap.Get());
}

void TCustomImageList::SetResourceName(const std::string& name) {
    resourceName_ = name;
    if (handle_) ImageList_RemoveAll(handle_);
    if (name.empty()) return;
    TBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) throw Exception("Image list " + Name() + ": no bitmap resource " + name);
    AddStrip(bitmap.Get());
}

}  // namespace cl
