#include "classlib/win/DockTree.h"

#include <algorithm>

#include "classlib/core/DockLayout.h"
#include "classlib/win/DragSession.h"

namespace cl {

TDockTree::TDockTree(TControl& site, int grabberSize) : site_(site), grabberSize_(grabberSize) {}

void TDockTree::InsertControl(TControl& client, int index) {
    RemoveControl(client);
    const auto count = static_cast<int>(clients_.size());
    const auto at = static_cast<size_t>(index < 0 || index > count ? count : index);
    clients_.insert(clients_.begin() + static_cast<std::ptrdiff_t>(at), &client);
    zones_.insert(zones_.begin() + static_cast<std::ptrdiff_t>(at), TRect{});
}

void TDockTree::RemoveControl(TControl& client) {
    const auto it = std::find(clients_.begin(), clients_.end(), &client);
    if (it == clients_.end()) return;
    zones_.erase(zones_.begin() + (it - clients_.begin()));
    clients_.erase(it);
}

bool TDockTree::IsDocked(const TControl& client) const {
    return std::find(clients_.begin(), clients_.end(), &client) != clients_.end();
}

TRect TDockTree::ZoneOf(const TControl& client) const {
    const auto it = std::find(clients_.begin(), clients_.end(), &client);
    return it == clients_.end() ? TRect{} : zones_[static_cast<size_t>(it - clients_.begin())];
}

bool TDockTree::SideBySide() const { return site_.Align() == TAlign::Top || site_.Align() == TAlign::Bottom; }

void TDockTree::ResetBounds(const TRect& area) {
    area_ = area;
    const auto shown = static_cast<int>(std::count_if(clients_.begin(), clients_.end(), [](TControl* c) { return c->Visible(); }));
    const std::vector<TRect> shares = ShareDockArea(area, shown, SideBySide());
    size_t next = 0;
    for (size_t i = 0; i < clients_.size(); ++i) {
        TControl& client = *clients_[i];
        if (!client.Visible()) {
            zones_[i] = {};
            continue;
        }
        TRect zone = shares[next++];
        zones_[i] = zone;
        AdjustDockRect(client, zone);
        client.SetBounds(zone.left, zone.top, std::max(0, zone.Width()), std::max(0, zone.Height()));
    }
}

int TDockTree::InsertIndexAt(const TControl& client, TPoint point) const {
    std::vector<const TControl*> order;  // the clients without the one that is dropped
    std::vector<const TControl*> shown;
    for (const TControl* c : clients_) {
        if (c == &client) continue;
        order.push_back(c);
        if (c->Visible()) shown.push_back(c);
    }
    const int k = DockInsertIndex(ShareDockArea(area_, static_cast<int>(shown.size()), SideBySide()), point, SideBySide());
    if (k == static_cast<int>(shown.size())) return static_cast<int>(order.size());
    return static_cast<int>(std::find(order.begin(), order.end(), shown[static_cast<size_t>(k)]) - order.begin());
}

TRect TDockTree::DropZone(const TControl& client, TPoint point) const {
    const auto others = static_cast<int>(std::count_if(clients_.begin(), clients_.end(),
                                                       [&client](TControl* c) { return c != &client && c->Visible(); }));
    const std::vector<TRect> shares = ShareDockArea(area_, others, SideBySide());
    const int k = DockInsertIndex(shares, point, SideBySide());
    return ShareDockArea(area_, others + 1, SideBySide())[static_cast<size_t>(k)];
}

void TDockTree::AdjustDockRect(TControl&, TRect& r) {
    if (SideBySide()) r.left += grabberSize_;
    else r.top += grabberSize_;
}

void TDockTree::PaintSite(TCanvas& canvas) {
    for (size_t i = 0; i < clients_.size(); ++i)
        if (clients_[i]->Visible()) PaintDockFrame(canvas, *clients_[i], zones_[i]);
}

void TDockTree::PaintDockFrame(TCanvas& canvas, TControl&, const TRect& r) {
    // Two etched lines along the grabber, then the close box.
    const TRect box = CloseBoxRect(r);
    HDC dc = canvas.Handle();
    for (int line = 0; line < 2; ++line) {
        RECT groove = SideBySide() ? RECT{r.left + 3 + line * 4, box.bottom + 2, r.left + 6 + line * 4, r.bottom - 2}
                                   : RECT{r.left + 2, r.top + 3 + line * 4, box.left - 2, r.top + 6 + line * 4};
        DrawEdge(dc, &groove, BDR_RAISEDINNER, BF_RECT);
    }
    RECT close{box.left, box.top, box.right, box.bottom};
    DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
}

TRect TDockTree::CloseBoxRect(const TRect& r) const {
    const int size = grabberSize_ - 2;
    if (SideBySide()) return {r.left + 1, r.top + 1, r.left + 1 + size, r.top + 1 + size};
    return {r.right - 1 - size, r.top + 1, r.right - 1, r.top + 1 + size};
}

bool TDockTree::MouseDown(TPoint point) {
    for (size_t i = 0; i < clients_.size(); ++i) {
        if (!clients_[i]->Visible()) continue;
        const TRect& zone = zones_[i];
        const TRect grabber = SideBySide() ? TRect{zone.left, zone.top, zone.left + grabberSize_, zone.bottom}
                                           : TRect{zone.left, zone.top, zone.right, zone.top + grabberSize_};
        if (!grabber.Contains(point)) continue;
        TControl& client = *clients_[i];
        if (CloseBoxRect(zone).Contains(point)) {
            RemoveControl(client);
            client.Hide();
            site_.Realign();  // lays the docked clients out again through the site
            site_.Invalidate();
        } else {
            RunControlDrag(client, TDragKind::Dock, false);
        }
        return true;
    }
    return false;
}

}  // namespace cl
