#pragma once
// The tab records of a tab control: what each tab shows, and where the layout put it. The
// rectangle and row are in the layout's own frame (tabs on top, running left to right), see
// TabStrip.h.

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/Persistent.h"

class TMwTabData : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    std::string caption;  // CR LF starts a new line; "&" marks the accelerator character
    cl::TColor color = cl::clBtnFace;
    int disabledImageIndex = -1;
    bool enabled = true;
    std::string hint;
    int imageIndex = -1;
    bool visible = true;
    // Set by the layout.
    cl::TRect rect;
    int row = 0;  // 0 is the row next to the card

    // Copies what the tab shows, not where it is.
    void Assign(const TMwTabData& source);
};

class TMwTabDataList : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The list owns the record.
    TMwTabData& Add(std::unique_ptr<TMwTabData> tab);
    TMwTabData& Add() { return Add(std::make_unique<TMwTabData>()); }
    void Clear() { items_.clear(); }
    TMwTabData& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
    TMwTabData& operator[](int index) const { return Items(index); }
    // Frees the record at index and puts tab in its place.
    void Replace(int index, std::unique_ptr<TMwTabData> tab);
    // Clears this list and appends a copy of every record of source.
    void Assign(const TMwTabDataList& source);

private:
    std::vector<std::unique_ptr<TMwTabData>> items_;
};
