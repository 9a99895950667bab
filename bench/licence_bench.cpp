// Loading the licence text as the About tab does, for the largest files it accepts (1 MiB, at
// most MaxRichTextParagraphs paragraphs) in the shapes hardest on the reader and the view.
// BM_ReadLicence: the reader alone. BM_ShowLicence: read, shown and drawn at its top, which is
// what the tab's timer does on the window's thread. BM_ShowWholeLicence: the same laid out to its
// full height and drawn at its bottom too, which the view otherwise does in idle steps.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/about/RichTextView.h"
#include "core/richtext/RichTextReader.h"

namespace quillex {
namespace {

// `head`, then `piece` repeated to fill the largest accepted file, inside one RTF group.
std::string Filled(const std::string& head, const std::string& piece) {
    std::string text = "{\\rtf1\\ansi" + head + " ";
    while (text.size() + piece.size() < MaxRichTextFileBytes) text += piece;
    text.resize(MaxRichTextFileBytes - 1, ' ');
    return text + "}";
}

// As many paragraphs as accepted, each `format` then words, filling the largest accepted file.
std::string Paragraphs(const std::string& head, const std::string& format) {
    const std::size_t each = MaxRichTextFileBytes / (MaxRichTextParagraphs - 20) + 1;
    std::string paragraph = format;
    while (paragraph.size() + 4 + 5 <= each) paragraph += "mot ";
    paragraph.resize(each - 5, ' ');
    return Filled(head, paragraph + "\\par ");
}

// Nearly as many runs as accepted (the words after them take a run per paragraph), then words
// to fill the largest accepted file.
std::string Runs(const std::string& pair) {
    std::string runs = " ";
    for (std::size_t i = 0; i + 2 < MaxRichTextRuns - 1000; i += 2) runs += pair;
    return Filled(runs, "mot ");
}

struct Shape {
    const char* name;
    std::string (*make)();
};

const Shape kShapes[] = {
    {"most_paragraphs", [] { return Paragraphs("", ""); }},
    {"formatted_paragraphs",
     [] {
         return Paragraphs("{\\colortbl;\\red200\\green0\\blue0;}",
                           "\\pard\\li360\\fi-240\\sb60\\sa60\\qj\\cf1\\strike ");
     }},
    {"one_paragraph_of_words", [] { return Filled("", "mot "); }},
    {"one_word", [] { return Filled("", "a"); }},
    {"style_changes", [] { return Runs("{\\b a}{\\i b}"); }},
    {"unicode_escapes", [] { return Filled("\\uc1", "\\u233?"); }},
    {"deep_groups", [] { return Filled("", "{"); }},
    {"web_addresses", [] { return Runs("https://a.fr/ "); }},
};

std::filesystem::path WriteShape(const Shape& shape) {
    const auto path = std::filesystem::temp_directory_path() /
                      (std::string("quillex_licence_bench_") + shape.name + ".rtf");
    std::ofstream(path, std::ios::binary) << shape.make();
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

void BM_ReadLicence(benchmark::State& state, const Shape& shape) {
    const auto path = WriteShape(shape);
    std::size_t paragraphs = 0;
    for (auto _ : state) paragraphs = ReadRichTextFile(path).paragraphs.size();
    state.counters["file_KiB"] = double(std::filesystem::file_size(path)) / 1024;
    state.counters["paragraphs"] = double(paragraphs);
    std::filesystem::remove(path);
}

void Show(benchmark::State& state, const Shape& shape, bool whole) {
    StartApplication();
    const auto path = WriteShape(shape);
    for (auto _ : state) {
        ui::RichTextView view;
        view.resize(381, 153);  // the licence view's size on the About tab
        view.show(ReadRichTextFile(path));
        benchmark::DoNotOptimize(view.grab());
        if (!whole) continue;
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        benchmark::DoNotOptimize(view.grab());
    }
    std::filesystem::remove(path);
}

void BM_ShowLicence(benchmark::State& state, const Shape& shape) {
    Show(state, shape, false);
}

void BM_ShowWholeLicence(benchmark::State& state, const Shape& shape) {
    Show(state, shape, true);
}

const bool kRegistered = [] {
    static std::deque<std::string> names;  // the library keeps the pointers it is given
    for (auto benchmark : {std::pair{"BM_ReadLicence/", &BM_ReadLicence},
                           std::pair{"BM_ShowLicence/", &BM_ShowLicence},
                           std::pair{"BM_ShowWholeLicence/", &BM_ShowWholeLicence}}) {
        for (const Shape& shape : kShapes) {
            names.push_back(benchmark.first + std::string(shape.name));
            benchmark::RegisterBenchmark(names.back().c_str(), benchmark.second, shape)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3);
        }
    }
    return true;
}();

}  // namespace
}  // namespace quillex
