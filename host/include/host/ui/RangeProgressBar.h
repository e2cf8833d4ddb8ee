// RangeProgressBar: a progress bar over a range of steps, shown for its lifetime.
#pragma once

#include "host/util/PMString.h"

class RangeProgressBar {
public:
    RangeProgressBar(const PMString& title, int32 minimum, int32 maximum);
    ~RangeProgressBar();
    RangeProgressBar(const RangeProgressBar&) = delete;
    RangeProgressBar& operator=(const RangeProgressBar&) = delete;

    void SetPosition(int32 position);
    void SetTaskText(const PMString& task);
    int32 GetPosition() const { return fPosition; }

private:
    PMString fTitle;
    PMString fTask;
    int32 fMinimum;
    int32 fMaximum;
    int32 fPosition;
};
