#include "classlib/win/DockTree.h"

#include <algorithm>

namespace cl {

TDockTree::TDockTree(TControl& site, int grabberSize) : site_(site), grabberSize_(grabberSize) {}

void TDockTree::InsertControl(TControl& client) {
    if (IsDocked(client)) return;
    clients_.push_back(&client);
    zones_.emplace_back();
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
    const auto shown = static_cast<int>(std::count_if(clients_.begin(), clients_.end(), [](TControl* c) { return c->Visible(); }));
    const int extent = SideBySide() ? area.Width() : area.Height();
    int index = 0;
    for (size_t i = 0; i < clients_.size(); ++i) {
        TControl& client = *clients_[i];
        if (!client.Visible()) {
            zones_[i] = {};
            continue;
        }
        const int from = extent * index / shown;
        const int to = extent * (index + 1) / shown;
        ++index;
        TRect zone = area;
        if (SideBySide()) {
            zone.left = area.left + from;
            zone.right = area.left + to;
        } else {
            zone.top = area.top + from;
            zone.bottom = area.top + to;
        }
        zones_[i] = zone;
        AdjustDockRect(client, zone);
        client.SetBounds(zone.left, zone.top, std::max(0, zone.Width()), std::max(0, zone.Height()));
    }
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
        if (!clients_[i]->Visible() || !CloseBoxRect(zones_[i]).Contains(point)) continue;
        TControl& client = *clients_[i];
        RemoveControl(client);
        client.Hide();
        site_.Realign();  // lays the docked clients out again through the site
        site_.Invalidate();
        return true;
    }
    return false;
}

}  // namespace cl
