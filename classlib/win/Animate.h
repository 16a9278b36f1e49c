#pragma once
// A silent animation over the common controls' animation class, playing one of the shell's
// standard clips (searching, copying, deleting).

#include "classlib/win/Control.h"

namespace cl {

enum class TCommonAVI { None, FindFolder, FindFile, FindComputer, CopyFiles, CopyFile, RecycleFile, EmptyRecycle, DeleteFile };

class TAnimate : public TControl {
    CL_CLASS_INFO()
public:
    explicit TAnimate(TComponent* owner);

    TCommonAVI CommonAVI() const { return commonAVI_; }
    void SetCommonAVI(TCommonAVI clip);
    // Plays the clip over and over from its first frame to StopFrame (0: its last frame).
    bool Active() const { return active_; }
    void SetActive(bool active);
    int StopFrame() const { return stopFrame_; }
    void SetStopFrame(int frame);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;

private:
    void OpenClip();
    void ApplyActive();

    TCommonAVI commonAVI_ = TCommonAVI::None;
    bool active_ = false;
    int stopFrame_ = 0;
};

}  // namespace cl
