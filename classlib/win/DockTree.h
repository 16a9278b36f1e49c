#pragma once
// The layout of the controls docked in a dock site. Each docked client gets an equal share of
// the site's dock area: stacked top to bottom, or side by side in a site aligned to the top or
// bottom. A grabber strip along each zone (at its top, or at its left in a top- or bottom-
// aligned site) carries a close box; pressing the box undocks the client, which is hidden,
// and dragging the strip drags the client out to another site or to float.
// A dock site with a manager owns one; the site hands it its children, its area, its paint
// and its mouse presses.

#include <vector>

#include "classlib/core/Geometry.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Control.h"

namespace cl {

class TDockTree {
public:
    TDockTree(TControl& site, int grabberSize);
    virtual ~TDockTree() = default;
    TDockTree(const TDockTree&) = delete;
    TDockTree& operator=(const TDockTree&) = delete;

    TControl& DockSite() const { return site_; }
    int GrabberSize() const { return grabberSize_; }
    // Docks a child of the site (once) at a place in the order (-1: last); undocking forgets it.
    void InsertControl(TControl& client, int index = -1);
    void RemoveControl(TControl& client);
    bool IsDocked(const TControl& client) const;
    const std::vector<TControl*>& Clients() const { return clients_; }
    // The zone of a docked client after the last ResetBounds (empty when hidden or not docked).
    TRect ZoneOf(const TControl& client) const;

    // Shares area among the visible clients and places each inside its zone, past its grabber.
    void ResetBounds(const TRect& area);
    // Where in the order a client dropped at a point of the site goes, and the zone it would
    // take there (site coordinates), with the other visible clients sharing the area as well.
    int InsertIndexAt(const TControl& client, TPoint point) const;
    TRect DropZone(const TControl& client, TPoint point) const;
    // Paints the grabber of every visible client.
    void PaintSite(TCanvas& canvas);
    // A press at a point of the site: true when it hit a grabber. A press on a close box
    // undocks and hides its client; elsewhere on the grabber it starts dragging the client.
    bool MouseDown(TPoint point);
    // Every message of the site passes here first.
    virtual void SiteMessage(UINT msg) {}

protected:
    // Zones side by side with the grabber at their left (a site aligned top or bottom).
    bool SideBySide() const;
    // Takes the grabber off a client's zone.
    virtual void AdjustDockRect(TControl& client, TRect& r);
    // Draws the grabber of a client whose zone is r.
    virtual void PaintDockFrame(TCanvas& canvas, TControl& client, const TRect& r);
    // The close box on the grabber of the zone r.
    virtual TRect CloseBoxRect(const TRect& r) const;

private:
    // The visible clients other than skip, in order, with their zones.
    std::vector<TRect> ZonesWithout(const TControl* skip) const;

    TControl& site_;
    int grabberSize_;
    std::vector<TControl*> clients_;
    std::vector<TRect> zones_;  // per client, from the last ResetBounds
    TRect area_;                // the area of the last ResetBounds
};

}  // namespace cl
