// Loading the licence text as the About tab does, for the shapes of file hardest on the reader
// and the view (testing/LicenceShapes.h), the filled ones at the largest accepted
// size. BM_ReadLicence: the reader alone. BM_ShowWholeLicence: read, laid out, handed to the
// view, laid out there to its full height and drawn at its top and bottom. BM_HandLicence: only
// what the window's thread does at once when the tab's thread hands the document over: set it
// in the view and draw its top (the view lays out the rest in steps). A refused file counts as
// loaded. At the end, the shape that took longest in each benchmark is named.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextDocument>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/richtext/RichTextReader.h"
#include "testing/LicenceShapes.h"
#include "ui/about/RichTextView.h"

namespace quillex {
namespace {

using testing::LicenceShape;

// The slowest shape of each benchmark, printed when the program ends.
struct Worst {
    std::map<std::string, std::pair<double, std::string>> byBenchmark;
    void note(const std::string& benchmark, const std::string& shape, double seconds) {
        auto& worst = byBenchmark[benchmark];
        if (seconds > worst.first) worst = {seconds, shape};
    }
    ~Worst() {
        for (const auto& [benchmark, worst] : byBenchmark)
            std::printf("worst shape for %s: %s, %.1f ms\n", benchmark.c_str(),
                        worst.second.c_str(), worst.first * 1000);
    }
};
Worst worst;

std::filesystem::path WriteShape(const LicenceShape& shape) {
    const auto path =
        std::filesystem::temp_directory_path() / ("quillex_licence_bench_" + shape.name + ".rtf");
    std::ofstream(path, std::ios::binary) << shape.text;
    return path;
}

void StartApplication() {
    static int argc = 1;
    static char name[] = "licence_bench";
    static char* argv[] = {name, nullptr};
    static const QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

using Clock = std::chrono::steady_clock;

// A file refused before the timed part of a benchmark.
struct Refused {};

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `load` once per iteration, which gives the seconds it took, and notes the slowest.
template <typename Load>
void Timed(benchmark::State& state, const std::string& benchmark, const LicenceShape& shape,
           Load load) {
    double slowest = 0;
    bool refused = false;
    for (auto _ : state) {
        const auto start = Clock::now();
        double seconds = 0;
        try {
            seconds = load();
        } catch (const Refused&) {
            refused = true;
        } catch (const std::exception&) {
            refused = true;
            seconds = Since(start);
        }
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    state.counters["refused"] = refused;
    worst.note(benchmark, shape.name, slowest);
}

void BM_ReadLicence(benchmark::State& state, const LicenceShape& shape) {
    const auto path = WriteShape(shape);
    state.counters["file_KiB"] = double(std::filesystem::file_size(path)) / 1024;
    Timed(state, "BM_ReadLicence", shape, [&] {
        const auto start = Clock::now();
        ReadRichTextFile(path);
        return Since(start);
    });
    std::filesystem::remove(path);
}

// The document the tab's thread makes, for the licence view's size on the About tab.
std::unique_ptr<QTextDocument> Made(ui::RichTextView& view, const std::filesystem::path& path) {
    view.resize(381, 153);
    auto made = ui::RichTextView::MakeTextDocument(
        ReadRichTextFile(path), view.palette().color(QPalette::Link), view.textWidth());
    if (!made) throw std::runtime_error("too tall");
    return made;
}

void BM_ShowWholeLicence(benchmark::State& state, const LicenceShape& shape) {
    StartApplication();
    const auto path = WriteShape(shape);
    Timed(state, "BM_ShowWholeLicence", shape, [&] {
        const auto start = Clock::now();
        ui::RichTextView view;
        view.setTextDocument(Made(view, path));
        benchmark::DoNotOptimize(view.grab());
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        benchmark::DoNotOptimize(view.grab());
        return Since(start);
    });
    std::filesystem::remove(path);
}

void BM_HandLicence(benchmark::State& state, const LicenceShape& shape) {
    StartApplication();
    const auto path = WriteShape(shape);
    Timed(state, "BM_HandLicence", shape, [&] {
        ui::RichTextView view;
        std::unique_ptr<QTextDocument> made;
        try {
            made = Made(view, path);
        } catch (const std::exception&) {
            throw Refused{};  // nothing reaches the window's thread
        }
        const auto start = Clock::now();
        view.setTextDocument(std::move(made));
        benchmark::DoNotOptimize(view.grab());
        return Since(start);
    });
    std::filesystem::remove(path);
}

const bool kRegistered = [] {
    static std::deque<std::string> names;  // the library keeps the pointers it is given
    static const std::vector<LicenceShape> shapes = testing::LicenceShapes(MaxRichTextFileBytes);
    for (auto benchmark : {std::pair{"BM_ReadLicence/", &BM_ReadLicence},
                           std::pair{"BM_ShowWholeLicence/", &BM_ShowWholeLicence},
                           std::pair{"BM_HandLicence/", &BM_HandLicence}}) {
        for (const LicenceShape& shape : shapes) {
            names.push_back(benchmark.first + shape.name);
            benchmark::RegisterBenchmark(names.back().c_str(), benchmark.second, shape)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime()
                ->Iterations(3);
        }
    }
    return true;
}();

}  // namespace
}  // namespace quillex
