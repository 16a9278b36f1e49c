#include "controls/navigation/MwGroup.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/GroupBarLayout.h"

using namespace mw;

namespace {

const cl::TEnumNames kItemStyleNames{{{"isSmall", 0}, {"isLarge", 1}}};

// The height and width of text drawn with the flags into a rectangle of the given width.
SIZE MeasureText(HDC dc, const std::string& text, int width, UINT flags) {
    RECT r{0, 0, std::max(width, 1), 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

constexpr UINT kItemTextFlags = DT_WORDBREAK | DT_EXPANDTABS;

}  // namespace

const cl::TClassInfo& TMwGroup::StaticClass() {
    using G = TMwGroup;
    static const auto info = cl::TClassBuilder<G>("TMwGroup", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Bool("Opened", &G::Opened, &G::SetOpened)
                                 .Int("OpenedHeight", &G::OpenedHeight, &G::SetOpenedHeight)
                                 .Bool("CanClose", &G::CanClose, &G::SetCanClose)
                                 .Bool("Special", &G::Special, &G::SetSpecial)
                                 .Int("CaptionHeight", &G::CaptionHeight, &G::SetCaptionHeight)
                                 .Object("CaptionFont", &G::CaptionFont)
                                 .Color("CaptionColor", &G::CaptionColor, &G::SetCaptionColor)
                                 .Bool("CaptionColorDefault", &G::CaptionColorDefault, &G::SetCaptionColorDefault)
                                 .Color("CaptionHotColor", &G::CaptionHotColor, &G::SetCaptionHotColor)
                                 .Int("CaptionImageIndex", &G::CaptionImageIndex, &G::SetCaptionImageIndex)
                                 .Color("Color", &G::Color, &G::SetGroupColor)
                                 .Bool("ColorDefault", &G::ColorDefault, &G::SetColorDefault)
                                 .Color("BorderColor", &G::BorderColor, &G::SetBorderColor)
                                 .Bool("DividerVisible", &G::DividerVisible, &G::SetDividerVisible)
                                 .Color("DividerColor", &G::DividerColor, &G::SetDividerColor)
                                 .Bool("UseGradients", &G::UseGradients, &G::SetUseGradients)
                                 .Collection("Items", &G::Items)
                                 .Enum<TMwItemStyle>("ItemStyle", &G::ItemStyle, &G::SetItemStyle, kItemStyleNames)
                                 .Int("ItemHeight", &G::ItemHeight, &G::SetItemHeight)
                                 .Int("ItemIndent", &G::ItemIndent, &G::SetItemIndent)
                                 .Color("ItemHotColor", &G::ItemHotColor, &G::SetItemHotColor)
                                 .Color("SelectionColor", &G::SelectionColor, &G::SetSelectionColor)
                                 .Bool("ShowItemSelection", &G::ShowItemSelection, &G::SetShowItemSelection)
                                 .Ref<cl::TCustomImageList>("SmallImages", &G::SmallImages, &G::SetSmallImages)
                                 .Ref<cl::TCustomImageList>("LargeImages", &G::LargeImages, &G::SetLargeImages)
                                 .Int("GroupIndex", &G::GroupIndex, &G::SetGroupIndex)
                                 .Event("OnCanOpen", &G::OnCanOpen)
                                 .Event("OnCanClose", &G::OnCanClose)
                                 .Event("OnOpen", &G::OnOpen)
                                 .Event("OnClose", &G::OnClose)
                                 .Event("OnMouseEnter", &G::OnMouseEnter)
                                 .Event("OnMouseLeave", &G::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwGroup::TMwGroup(cl::TComponent* owner) : cl::TCustomControl(owner), items_(this) {
    SetBounds(0, 0, 145, 50);
    Font()->SetColor(cl::clWindowText);
    captionFont_.Assign(*Font());
    captionFont_.SetStyle(cl::fsBold);
    captionFont_.SetColor(cl::clHighlight);
    captionFont_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        captionFontChanged_ = true;
        Invalidate();
    });
    items_.OnUpdate = [this](cl::TCollectionItem*) { UpdateLayout(); };
    SetColor(cl::clBtnFace);
}

TMwGroup::~TMwGroup() {
    if (bar_) bar_->RemoveGroup(this);
    bar_ = nullptr;
}

// ---- bar membership ----

void TMwGroup::SetParentComponent(cl::TComponent* parent) {
    if (!parent) return;
    auto* bar = dynamic_cast<TMwGroupBar*>(parent);
    if (!bar) throw EMwGroupBarError("TMwGroup components can only be placed in a TMwGroupBar component");
    SetGroupBar(bar);
}

void TMwGroup::SetGroupBar(TMwGroupBar* bar) {
    if (bar == bar_) return;
    if (bar_) bar_->RemoveGroup(this);
    bar_ = bar;
    if (!bar) return;
    SetParent(bar);
    bar->AddGroup(this);
}

int TMwGroup::GroupIndex() const { return bar_ ? bar_->IndexOfGroup(this) : -1; }

void TMwGroup::SetGroupIndex(int index) {
    if (!bar_) return;
    if (index > bar_->GroupCount() - 1 || index < 0)
        throw cl::EListError(std::to_string(index) + " is an invalid GroupIndex value. GroupIndex must be between 0 and " +
                             std::to_string(bar_->GroupCount() - 1));
    bar_->MoveGroup(this, index);
}

TMwGroupBarStyle TMwGroup::BarStyle() const { return bar_ ? bar_->Style() : TMwGroupBarStyle::CategoryView; }

void TMwGroup::ApplyBarStyle(TMwGroupBarStyle style) {
    applyingStyle_ = true;
    switch (style) {
        case TMwGroupBarStyle::CategoryView:
            if (captionColorDefault_) captionColor_ = cl::clHighlightText;
            if (colorDefault_) SetColor(cl::clBtnFace);
            if (!captionFontChanged_) {
                captionFont_.SetStyle(cl::fsBold);
                captionFont_.SetColor(cl::clHighlight);
            }
            dividerColor_ = cl::clHighlight;
            break;
        case TMwGroupBarStyle::TaskList:
            if (captionColorDefault_) captionColor_ = cl::clWindow;
            if (colorDefault_) SetParentColor(true);
            if (!captionFontChanged_) {
                captionFont_.SetStyle(cl::fsBold);
                captionFont_.SetColor(cl::clWindowText);
            }
            dividerVisible_ = true;
            dividerColor_ = cl::clHighlight;
            canClose_ = false;
            opened_ = true;
            break;
        case TMwGroupBarStyle::Outlook:
            if (captionColorDefault_) captionColor_ = cl::clBtnFace;
            if (colorDefault_) SetColor(cl::clBtnShadow);
            if (!captionFontChanged_) {
                captionFont_.SetStyle(0);
                captionFont_.SetColor(cl::clWindowText);
            }
            canClose_ = true;
            break;
    }
    // The style's font settings are no explicit change.
    captionFontChanged_ = false;
    applyingStyle_ = false;
    Invalidate();
}

// ---- opening and closing ----

void TMwGroup::SetOpened(bool v) {
    if (!bar_) {
        opened_ = v;
        return;
    }
    switch (bar_->Style()) {
        case TMwGroupBarStyle::TaskList:
            opened_ = true;
            return;
        case TMwGroupBarStyle::Outlook:
            if (!v || opened_) return;
            opened_ = true;
            OnOpen(this);
            for (int i = 0; i < bar_->GroupCount(); ++i) {
                TMwGroup* other = bar_->Groups(i);
                if (other != this && other->opened_) {
                    other->opened_ = false;
                    other->OnClose(this);
                }
            }
            break;
        case TMwGroupBarStyle::CategoryView:
            if (!canClose_ || v == opened_) return;
            opened_ = v;
            if (v && bar_->ExclusiveMode() && !IsLoading())
                for (int i = 0; i < bar_->GroupCount(); ++i)
                    if (bar_->Groups(i) != this) bar_->Groups(i)->Close();
            (v ? OnOpen : OnClose)(this);
            break;
    }
    bar_->Realign();
    Invalidate();
}

void TMwGroup::ToggleOpened() {
    bool allow = true;
    (opened_ ? OnCanClose : OnCanOpen)(this, allow);
    if (allow) SetOpened(!opened_);
}

void TMwGroup::SetCanClose(bool v) {
    if (!v && BarStyle() == TMwGroupBarStyle::CategoryView) Open();
    StoreAndInvalidate(canClose_, v);
}

void TMwGroup::SetOpenedHeight(int v) {
    openedHeight_ = v;
    if (opened_ && bar_) bar_->Realign();
}

void TMwGroup::SetCaptionHeight(int v) {
    captionHeight_ = std::max(v, 16);
    Invalidate();
    if (bar_) bar_->Realign();
}

void TMwGroup::SetCaptionColor(cl::TColor v) {
    captionColorDefault_ = false;
    StoreAndInvalidate(captionColor_, v);
}

void TMwGroup::SetCaptionColorDefault(bool v) {
    captionColorDefault_ = v;
    if (v) ApplyBarStyle(BarStyle());
}

void TMwGroup::SetGroupColor(cl::TColor v) {
    colorDefault_ = false;
    SetColor(v);
}

void TMwGroup::SetColorDefault(bool v) {
    colorDefault_ = v;
    if (v) ApplyBarStyle(BarStyle());
}

void TMwGroup::FontChanged() {
    cl::TCustomControl::FontChanged();
    if (captionFontChanged_ || applyingStyle_) return;
    const cl::TFont& body = *Font();
    captionFont_.SetName(body.Name());
    captionFont_.SetHeight(body.Height());
    captionFontChanged_ = false;  // taken from the body font, not set by the user
    if (bar_) bar_->Realign();
}

// ---- images and items ----

void TMwGroup::SetSmallImages(cl::TCustomImageList* images) {
    if (smallImages_) RemoveFreeNotification(smallImages_);
    smallImages_ = images;
    if (images) FreeNotification(images);
    UpdateLayout();
}

void TMwGroup::SetLargeImages(cl::TCustomImageList* images) {
    if (largeImages_) RemoveFreeNotification(largeImages_);
    largeImages_ = images;
    if (images) FreeNotification(images);
    UpdateLayout();
}

void TMwGroup::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
}

cl::TCustomImageList* TMwGroup::ItemImages() const {
    if (itemStyle_ == TMwItemStyle::Large) return largeImages_ ? largeImages_ : bar_ ? bar_->LargeImages() : nullptr;
    return smallImages_ ? smallImages_ : bar_ ? bar_->SmallImages() : nullptr;
}

void TMwGroup::UpdateLayout() {
    if (bar_) bar_->Realign();
    Invalidate();
}

int TMwGroup::HeightForWidth(int width) {
    cl::TCustomImageList* images = ItemImages();
    TGroupItemMetrics metrics;
    metrics.largeItems = itemStyle_ == TMwItemStyle::Large;
    metrics.width = width;
    metrics.captionHeight = captionHeight_;
    metrics.itemHeight = itemHeight_;
    metrics.imageWidth = images ? images->Width() : 0;
    metrics.imageHeight = images ? images->Height() : 0;
    metrics.itemIndent = itemIndent_;
    std::vector<TGroupItemBox> boxes;
    for (int i = 0; i < items_.Count(); ++i) {
        const TMwGroupItem* item = items_.Items(i);
        boxes.push_back({item->Visible(), item->IndentLevel(), 0, {}, {}});
        if (item->ImageIndex() != -1) metrics.anyItemImage = true;
    }

    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    SIZE sample{};
    GetTextExtentPoint32A(dc, "Pp", 2, &sample);
    metrics.sampleTextHeight = sample.cy;
    std::vector<SIZE> measured;
    for (int i = 0; i < items_.Count(); ++i) {
        const std::string& caption = items_.Items(i)->Caption();
        const int left = metrics.largeItems ? 8 : GroupItemTextLeft(metrics, boxes[static_cast<size_t>(i)].indentLevel);
        const UINT flags = kItemTextFlags | (metrics.largeItems ? DT_CENTER : DT_LEFT);
        measured.push_back(MeasureText(dc, caption.empty() ? " " : caption, width - 8 - left, flags));
        boxes[static_cast<size_t>(i)].textHeight = measured.back().cy;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);

    const int height = LayoutGroupItems(metrics, boxes);
    // The hit areas are the text itself, not the whole row.
    for (int i = 0; i < items_.Count(); ++i) {
        TMwGroupItem* item = items_.Items(i);
        cl::TRect text = boxes[static_cast<size_t>(i)].textRect;
        const int textWidth = measured[static_cast<size_t>(i)].cx;
        if (metrics.largeItems) {
            const int left = text.left + (text.Width() - textWidth) / 2;
            text = {left, text.top, left + textWidth, text.bottom};
        } else {
            text.right = std::min(text.right, text.left + textWidth);
        }
        item->textRect = text;
        item->imageRect = item->ImageIndex() != -1 && images ? boxes[static_cast<size_t>(i)].imageRect : cl::TRect{};
    }
    return height;
}

TMwGroupItem* TMwGroup::ItemAt(cl::TPoint point) {
    if (!opened_) return nullptr;
    for (int i = 0; i < items_.Count(); ++i) {
        TMwGroupItem* item = items_.Items(i);
        if (item->Visible() && (item->textRect.Contains(point) || item->imageRect.Contains(point))) return item;
    }
    return nullptr;
}

void TMwGroup::Loaded() {
    cl::TCustomControl::Loaded();
    // The actions are whole now; values the form resource gave the items stay.
    for (int i = 0; i < items_.Count(); ++i)
        if (cl::TAction* action = items_.Items(i)->Action()) items_.Items(i)->TakeActionValues(*action, true);
    UpdateLayout();
}

// ---- mouse ----

void TMwGroup::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left:
            captionHot_ = false;
            hotItem_ = nullptr;
            OnMouseLeave(this);
            Invalidate();
            break;
        case TMouseTracking::TChange::None: break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    auto clickable = [](TMwGroupItem* item) { return item && item->Enabled() && (item->OnClick || item->Action()); };
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            if (!Enabled()) break;
            if (canClose_ && CaptionRect().Contains(point)) {
                SetCapture(Handle());
                captionPressed_ = true;
                Invalidate();
            } else if (TMwGroupItem* item = ItemAt(point); clickable(item)) {
                SetCapture(Handle());
                pressedItem_ = item;
                Invalidate();
            }
            break;
        case WM_LBUTTONUP:
            if (captionPressed_) {
                captionPressed_ = false;
                ReleaseCapture();
                Invalidate();
                if (CaptionRect().Contains(point)) ToggleOpened();
            } else if (pressedItem_) {
                TMwGroupItem* item = pressedItem_;
                pressedItem_ = nullptr;
                ReleaseCapture();
                Invalidate();
                if (ItemAt(point) == item) item->Click();
            }
            break;
        case WM_RBUTTONUP:
            if (TMwGroupItem* item = ItemAt(point); item && item->Enabled()) {
                const cl::TPoint screen = ClientToScreen(point);
                item->PopupClick(screen.x, screen.y);
            }
            break;
        case WM_MOUSEMOVE: {
            const bool onCaption = canClose_ && CaptionRect().Contains(point);
            TMwGroupItem* item = ItemAt(point);
            if (!clickable(item)) item = nullptr;
            if (onCaption != captionHot_ || item != hotItem_) {
                captionHot_ = onCaption;
                hotItem_ = item;
                Invalidate();
            }
            break;
        }
        case WM_CAPTURECHANGED:
            captionPressed_ = false;
            pressedItem_ = nullptr;
            break;
        case WM_SETCURSOR:
            if (LOWORD(m.lParam) == HTCLIENT && (captionHot_ || hotItem_)) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                m.result = TRUE;
                return;
            }
            break;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwGroup::DrawOpenCloseButton(HDC dc, int x, int y, cl::TColor chevron, cl::TColor outline) {
    HPEN pen = CreatePen(PS_SOLID, 1, cl::ColorToRGB(outline));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, x, y, x + 15, y + 15);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    // Two chevrons pointing up (open: a click closes it) or down.
    for (int row : {4, 8}) {
        const int top = y + row;
        for (int i = 0; i < 3; ++i) {
            const int dy = opened_ ? 2 - i : i;
            FillSolid(dc, {x + 4 + i, top + dy, x + 5 + i, top + dy + 1}, chevron);
            FillSolid(dc, {x + 10 - i, top + dy, x + 11 - i, top + dy + 1}, chevron);
        }
    }
}

void TMwGroup::Paint(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const cl::TColor barColor = bar_ ? bar_->Color() : cl::clBtnShadow;
    const cl::TRect all = cl::TRect::FromBounds(0, 0, Width(), Height());
    FillSolid(dc, all, barColor);

    // Caption.
    const cl::TColor background = special_ ? captionFont_.Color() : captionColor_;
    cl::TColor text = special_ ? captionColor_ : captionFont_.Color();
    if (captionHot_ || captionPressed_) text = captionHotColor_;
    FillSolid(dc, CaptionRect(), background);
    int textLeft = 8;
    cl::TCustomImageList* small = smallImages_ ? smallImages_ : bar_ ? bar_->SmallImages() : nullptr;
    if (small && captionImageIndex_ >= 0 && captionImageIndex_ < small->Count()) {
        small->Draw(canvas, 8, (captionHeight_ - small->Height()) / 2, captionImageIndex_, Enabled());
        textLeft = small->Width() + 12;
    }
    canvas.Font().Assign(captionFont_);
    canvas.Font().SetColor(text);
    canvas.TextRect({textLeft, 0, Width() - 24, captionHeight_}, Caption(), DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    if (canClose_) DrawOpenCloseButton(dc, Width() - 20, (captionHeight_ - 15) / 2, text, barColor);
    if (dividerVisible_ && opened_) FillSolid(dc, {0, captionHeight_ - 1, Width(), captionHeight_}, dividerColor_);

    if (!opened_) return;
    // Body: a frame open at the top, filled with the group colour.
    const cl::TRect body{0, captionHeight_, Width(), Height()};
    FillSolid(dc, body, borderColor_);
    FillSolid(dc, {1, captionHeight_, Width() - 1, Height() - 1}, Color());
    DrawItems(dc);
}

void TMwGroup::DrawItems(HDC dc) {
    cl::TCustomImageList* images = ItemImages();
    HeightForWidth(Width());  // the item rectangles for the current width
    cl::TCanvas canvas(dc);
    const bool large = itemStyle_ == TMwItemStyle::Large;
    for (int i = 0; i < items_.Count(); ++i) {
        TMwGroupItem* item = items_.Items(i);
        if (!item->Visible()) continue;
        if (images && item->ImageIndex() != -1) {
            const bool useDisabled = !item->Enabled() && item->DisabledIndex() != -1;
            const int index = useDisabled ? item->DisabledIndex() : item->ImageIndex();
            if (index >= 0 && index < images->Count())
                images->Draw(canvas, item->imageRect.left, item->imageRect.top, index, item->Enabled() || useDisabled);
        }
        canvas.Font().Assign(*Font());
        unsigned style = Font()->Style();
        cl::TColor color = Font()->Color();
        if (!item->Enabled()) {
            color = cl::clGrayText;
        } else if (item == hotItem_ || item == pressedItem_) {
            color = itemHotColor_;
            style |= cl::fsUnderline;
        }
        if (showItemSelection_ && item->Selected()) FillSolid(dc, item->textRect, selectionColor_);
        canvas.Font().SetColor(color);
        canvas.Font().SetStyle(style);
        canvas.TextRect(item->textRect, item->Caption(), kItemTextFlags | (large ? DT_CENTER : DT_LEFT));
    }
}
