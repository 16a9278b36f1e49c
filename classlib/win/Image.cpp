#include "classlib/win/Image.h"

#include <map>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Canvas.h"

namespace cl {

CL_DECLARE_EXCEPTION(EInvalidGraphic, Exception);

namespace {

std::map<std::string, TGraphicReader>& GraphicReaders() {
    static std::map<std::string, TGraphicReader> readers;
    return readers;
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
    static const auto info = TClassBuilder<TPicture>("TPicture", TPersistent::StaticClass())
                                 .Binary("Data", &TPicture::Data, &TPicture::SetData)
                                 .Build();
    return *info;
}

void TPicture::LoadFromFile(const std::string& fileName) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, fileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) throw EInvalidGraphic("Cannot load the picture \"" + fileName + "\"");
    data_.clear();
    SetBitmap(bitmap);
}

void TPicture::Clear() {
    bitmap_.Reset();
    width_ = height_ = 0;
    data_.clear();
    OnChange(this);
}

void TPicture::SetBitmap(HBITMAP bitmap) {
    bitmap_.Reset(bitmap);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof(info), &info);
    width_ = info.bmWidth;
    height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    OnChange(this);
}

void TPicture::SetData(const std::vector<uint8_t>& data) {
    if (data.empty() || data.size() < size_t(1) + data[0]) throw EInvalidGraphic("The picture data is damaged");
    const std::string className(data.begin() + 1, data.begin() + 1 + data[0]);
    const auto reader = GraphicReaders().find(className);
    if (reader == GraphicReaders().end()) throw EInvalidGraphic("Unknown picture format " + className);
    HBITMAP bitmap = reader->second(std::vector<uint8_t>(data.begin() + 1 + data[0], data.end()));
    data_ = data;
    SetBitmap(bitmap);
}

void TPicture::RegisterGraphicClass(const std::string& className, TGraphicReader reader) {
    GraphicReaders()[className] = std::move(reader);
}

const TClassInfo& TImage::StaticClass() {
    static const auto info = TClassBuilder<TImage>("TImage", TCustomControl::StaticClass())
                                 .Creatable()
                                 .Object("Picture", &TImage::Picture)
                                 .Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
                                 .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                 .Bool("Center", &TImage::Center, &TImage::SetCenter)
                                 .Build();
    return *info;
}

TImage::TImage(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 105, 105);
    SetParentColor(true);
    picture_.OnChange = TNotifyEvent::FromFunction([this](TObject*) { PictureChanged(); });
}

void TImage::PictureChanged() {
    if (autoSize_ && picture_.Bitmap()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    PictureChanged();
}

void TImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
    if (!picture_.Bitmap()) return;
    HDC memory = CreateCompatibleDC(canvas.Handle());
    {
        TSelectObject select(memory, picture_.Bitmap());
        const TRect client = ClientRect();
        if (stretch_) {
            SetStretchBltMode(canvas.Handle(), HALFTONE);
            StretchBlt(canvas.Handle(), 0, 0, client.Width(), client.Height(), memory, 0, 0, picture_.Width(), picture_.Height(), SRCCOPY);
        } else {
            const int x = center_ ? (client.Width() - picture_.Width()) / 2 : 0;
            const int y = center_ ? (client.Height() - picture_.Height()) / 2 : 0;
            BitBlt(canvas.Handle(), x, y, picture_.Width(), picture_.Height(), memory, 0, 0, SRCCOPY);
        }
    }
    DeleteDC(memory);
}

}  // namespace cl
