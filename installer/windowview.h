// windowview.h — the installation as the user sees it in the window: the
// controls during copying, the progress painting, the message boxes.
#pragma once

#include <windows.h>

#include "installpaint.h"
#include "installsequence.h"

class WindowView : public InstallView {
   public:
    WindowView(HWND window, HFONT titleFont, bool statusLinesOn)
        : window_(window), painter_(window, titleFont, statusLinesOn) {}

    void copyingStarted() override;
    void showTarget(const FilePath& path) override;
    void copyingDone() override;
    void localeWarning() override;
    void settingsFileStep() override;
    void pairStarted(const std::string& name) override;
    void pairFinished(const std::string& closingText) override;

    void bar(int percent) override { painter_.bar(percent); }
    void stepStarted(ReverseStep step) override { painter_.stepStarted(step); }
    void stepDone() override { painter_.stepDone(); }
    void recordCounter(int32_t index) override { painter_.recordCounter(index); }
    void comparisonCounter(int64_t count) override { painter_.comparisonCounter(count); }

   private:
    void show(int id, bool visible);
    void repaint();

    HWND window_;
    ProgressPainter painter_;
    HCURSOR savedCursor_ = nullptr;
};
