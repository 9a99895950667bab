// Filling the pattern tab's result list with the largest result the joker limit allows: the
// ten-letter words of ????????ES. Each run empties the list, fills it and paints it, as the tab's
// scan does; the line `largest list: N.NN ms` gives the median. Then what the look of a search
// under way costs: greying the whole window against greying the tab's page.
// Offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <variant>
#include <vector>

#include "core/pattern/PatternScan.h"
#include "core/wordlists/Dictionaries.h"
#include "ui/app/Program.h"
#include "ui/common/ResultList.h"
#include "ui/common/TabPage.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/platform/FakePlatform.h"

namespace {

using namespace quillex;
using namespace quillex::ui;

constexpr int kRuns = 51;

// The median time of kRuns calls, in milliseconds.
double MedianMs(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareApplication(app);

    FakePlatform fakes;
    MainWindow window(BuiltInDictionaries(), fakes.platform());
    window.load(nullptr);
    // Shown after its start-up timer; the licence text loads half a second later.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!window.isVisible()) return 1;
    QWidget* tab = window.page(0);
    auto* list = tab->findChild<ResultList*>(QStringLiteral("resultList"));
    if (!list) return 1;

    const std::vector<std::string_view> words = FindWords(
        std::get<Pattern>(Pattern::Parse(u"????????ES")), BuiltInDictionaries().mainWordList);
    const double fill = MedianMs([&] {
        list->clear();
        list->appendWords(words);
        list->repaint();
    });
    if (list->count() != static_cast<int>(words.size())) return 1;
    const auto greying = [](QWidget* greyed) {
        return MedianMs([greyed] {
            greyed->setEnabled(false);
            greyed->repaint();
            greyed->setEnabled(true);
            greyed->repaint();
        });
    };
    const double windowGreying = greying(&window);
    const double pageGreying = greying(tab);

    std::printf("%d words, median of %d runs: empty, fill and paint\n", list->count(), kRuns);
    std::printf("largest list: %.2f ms\n", fill);
    std::printf("greying for a search: whole window %.2f ms, the tab's page %.2f ms\n",
                windowGreying, pageGreying);
    return 0;
}
