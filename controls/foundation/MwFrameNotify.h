#pragma once
// The library-private interface of framed controls that take their look from a frame
// controller themselves: the controller calls UpdateFrameFromController instead of setting
// their properties by name, and the control reads whatever it needs from its controller.

class IMwFrameNotify {
public:
    virtual void UpdateFrameFromController() = 0;

protected:
    ~IMwFrameNotify() = default;
};
