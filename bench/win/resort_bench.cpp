// resort_bench.exe — the re-sort of a dictionary under Wine, as the search
// and add-words windows run it when they close: behind the sorting window,
// with its counter and clock, and once more without any drawing, so that
// the difference is what the drawing costs.
//
//   resort_bench.exe unsorted RECORDS LOCALE RUNS   made-up words in random order
//   resort_bench.exe appended FILE LOCALE COUNT RUNS  a word file (a sample
//                                                     dictionary) with COUNT words appended
//   resort_bench.exe drawing STEPS                    what one progress step's
//                                                     drawing costs, piece by piece
//
// Prints "resort_window", "resort_core" (median seconds), "draws" (counter
// lines drawn in one re-sort) and "records"; the drawing mode prints
// milliseconds per step for each way of drawing it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "appsettings.h"
#include "benchapi.h"
#include "benchdata.h"
#include "benchsession.h"
#include "drawing.h"
#include "resort.h"
#include "wordstore.h"

namespace {

int drawn = 0;
void countDraw(const std::wstring&) { ++drawn; }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<WordRecord> readWordFile(const std::string& path) {
    std::vector<WordRecord> records;
    FILE* f = std::fopen(path.c_str(), "rb");
    WordRecord r;
    while (f && std::fread(&r, sizeof r, 1, f) == 1) records.push_back(r);
    if (f) std::fclose(f);
    if (records.empty()) {
        std::fprintf(stderr, "resort_bench: no records in %s\n", path.c_str());
        std::exit(1);
    }
    return records;
}

// The pieces of one progress step on the sorting window's own device
// context, each timed over `steps` steps: the counter line as drawn now, the
// clock frame as composed now (two memory DCs and a bitmap made per step),
// and the frame copied from a picture composed once beforehand.
int timeDrawing(int steps) {
    makeInstallation("norva-drawing-bench", "Bench", "french", {makeRecord("word", "mot")});
    if (!startBenchProgram() || steps <= 0) return 1;
    HWND window = openSortingWindow();
    HDC dc = GetDC(window);
    HBITMAP frame = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    HBITMAP mask = makeTransparentMask(frame, RGB(255, 255, 255));
    HBITMAP background = CreateCompatibleBitmap(dc, 30, 30);
    auto perStep = [steps](long long start) { return secondsSince(start) * 1000 / steps; };

    long long start = ticksNow();
    for (int i = 0; i < steps; ++i) {
        RECT r = {110, 65, 270, 95};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(50, 50, 50));
        std::wstring line = L"Sorting " + std::to_wstring(i * 2000);
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
    }
    printFigure("counter_line_ms", perStep(start));

    start = ticksNow();
    for (int i = 0; i < steps; ++i) {
        HDC compose = CreateCompatibleDC(dc), source = CreateCompatibleDC(dc);
        HBITMAP canvas = CreateCompatibleBitmap(dc, 30, 30);
        HGDIOBJ oldCompose = SelectObject(compose, canvas);
        HGDIOBJ oldSource = SelectObject(source, background);
        BitBlt(compose, 0, 0, 30, 30, source, 0, 0, SRCCOPY);
        SelectObject(source, oldSource);
        DeleteDC(source);
        drawMasked(compose, 0, 0, frame, mask);
        BitBlt(dc, 10, 5, 30, 30, compose, 0, 0, SRCCOPY);
        SelectObject(compose, oldCompose);
        DeleteObject(canvas);
        DeleteDC(compose);
    }
    printFigure("clock_composed_each_step_ms", perStep(start));

    HDC composed = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, 30, 30);
    HGDIOBJ old = SelectObject(composed, picture);
    drawMasked(composed, 0, 0, frame, mask);
    start = ticksNow();
    for (int i = 0; i < steps; ++i) BitBlt(dc, 10, 5, 30, 30, composed, 0, 0, SRCCOPY);
    printFigure("clock_copied_ms", perStep(start));
    SelectObject(composed, old);
    DeleteObject(picture);
    DeleteDC(composed);

    start = ticksNow();
    for (int i = 0; i < steps; ++i) GdiFlush();
    printFigure("gdi_flush_ms", perStep(start));

    DeleteObject(background);
    DeleteObject(mask);
    DeleteObject(frame);
    ReleaseDC(window, dc);
    closeSortingWindow(window);
    DestroyWindow(mainWindow());
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: resort_bench unsorted RECORDS LOCALE RUNS\n"
                 "       resort_bench appended FILE LOCALE COUNT RUNS\n"
                 "       resort_bench drawing STEPS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "drawing") return timeDrawing(std::atoi(argv[2]));
    if (argc < 5) return usage();
    const std::string mode = argv[1], locale = argv[3];
    std::vector<WordRecord> records;
    int runs = 1;
    if (mode == "unsorted" && argc == 5) {
        records = makeRecords(makeHeadwords(std::strtoul(argv[2], nullptr, 10), 77), 5);
        runs = std::atoi(argv[4]) > 0 ? std::atoi(argv[4]) : 1;
    } else if (mode == "appended" && argc == 6) {
        records = readWordFile(argv[2]);
        // Words an add-words session might bring: new, capitalised, accented.
        std::vector<std::string> added = makeHeadwords(std::strtoul(argv[4], nullptr, 10), 91);
        for (size_t i = 0; i < added.size(); ++i)
            records.push_back(makeRecord(i % 2 ? added[i] : "\xc4" + added[i], "added"));
        runs = std::atoi(argv[5]) > 0 ? std::atoi(argv[5]) : 1;
    } else {
        return usage();
    }

    const std::string path = makeInstallation("norva-resort-bench", "Bench", locale, records);
    if (!startBenchProgram()) return 1;
    setCounterObserver(countDraw);
    std::vector<double> window, core;
    int draws = 0;
    for (int run = 0; run < runs; ++run) {
        refillDictionary(path, records);
        appSettings.dictionaryDirty = 1;
        drawn = 0;
        long long start = ticksNow();
        resortIfDirty();
        window.push_back(secondsSince(start));
        draws = drawn;

        refillDictionary(path, records);
        start = ticksNow();
        if (resortDictionary(nullptr) != 0) return 1;
        core.push_back(secondsSince(start));
    }
    printFigure("records", double(records.size()));
    printFigure("resort_window", median(window));
    printFigure("resort_core", median(core));
    printFigure("draws", draws);
    DestroyWindow(mainWindow());
    return 0;
}
