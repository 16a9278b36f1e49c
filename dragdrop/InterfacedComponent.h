#pragma once
// A component that OLE also holds through COM interfaces. Its owner frees it as any component;
// the reference count only keeps OLE's references honest. The count starts at 1 for the
// component itself and Release never frees it: an owned object deleted by OLE would be freed a
// second time by its owner.
//
// A derived class lists its interfaces in QueryInterface and forwards AddRef and Release of
// every interface to AddReference and ReleaseReference.

#include <windows.h>

#include "classlib/core/Component.h"

class TInterfacedComponent : public cl::TComponent {
public:
    explicit TInterfacedComponent(cl::TComponent* owner) : cl::TComponent(owner) {}

    // 1 while OLE holds no reference.
    LONG RefCount() const { return refCount_; }

protected:
    ULONG AddReference() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }
    ULONG ReleaseReference() { return static_cast<ULONG>(InterlockedDecrement(&refCount_)); }

private:
    LONG refCount_ = 1;
};

