// The main window over the built-in lists, driven through its controls: 200 searches on each
// tab, as a user would run them. Prints the resident memory after the window shows and after each
// tab's searches, and the window thread's processor time per search (the 100 ms timers are idle
// time, not counted). Run it under Xvfb (bench/startup_memory.sh does) for the figures of a real
// display; QT_QPA_PLATFORM=offscreen gives those of no display at all.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

#include "core/wordlists/Dictionaries.h"
#include "ui/about/AboutTab.h"
#include "ui/app/Program.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/platform/FakePlatform.h"

namespace {

using namespace quillex;
using namespace quillex::ui;

constexpr int kSearches = 200;

// VmRSS, then the part of it that is the heap and other private memory, and the part mapped
// from files (libraries, fonts, the embedded lists).
QByteArray ResidentMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return "?";
    QByteArray total = "?", anon = "?", file = "?";
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) total = line.mid(6).simplified();
        if (line.startsWith("RssAnon:")) anon = line.mid(8).simplified();
        if (line.startsWith("RssFile:")) file = line.mid(8).simplified();
    }
    return total + " (anon " + anon + ", file " + file + ")";
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Lets the window run its events for a while, idle when it has none: idle time is no CPU.
void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the events until `done` holds, or fails the run after five seconds.
void WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000) {
            std::fprintf(stderr, "window_search_bench: a search did not end\n");
            std::exit(1);
        }
        Idle(5);
    }
}

// Lets the window settle and paint after a step.
void Settle() {
    Idle(30);
}

template <typename T>
T* Find(QWidget* scope, const char* name) {
    T* found = scope->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "window_search_bench: no control %s\n", name);
        std::exit(1);
    }
    return found;
}

// Runs kSearches searches on tab `index`, `search(i)` being the i-th, and prints the memory after
// the first (which includes what showing the tab first costs), right after the last and once the
// window has been left alone long enough to give back what the searches mapped, with the window
// thread's processor time per search.
void RunSearches(MainWindow& window, int index, const char* name,
                 const std::function<void(QWidget* tab, int i)>& search) {
    window.tabControl()->setCurrentIndex(index);
    QWidget* tab = window.tabControl()->currentWidget();
    QByteArray afterFirst;
    const double start = ThreadCpuMs();
    for (int i = 0; i < kSearches; ++i) {
        search(tab, i);
        Settle();
        if (i == 0) afterFirst = ResidentMemory();
    }
    const double cpuMs = ThreadCpuMs() - start;
    const QByteArray afterLast = ResidentMemory();
    Idle(2500);
    std::printf(
        "%-9s RSS after 1 search: %s, after %d: %s, idle 2.5 s later: %s; window thread %.2f ms "
        "of CPU per search\n",
        name, afterFirst.constData(), kSearches, afterLast.constData(),
        ResidentMemory().constData(), cpuMs / kSearches);
    std::fflush(stdout);
}

// Lengths 3 to 15 with a letter or two known; every tenth search is the largest list there is
// (????????ES).
void PatternSearch(QWidget* tab, int i) {
    const bool largest = i % 10 == 0;
    const int length = largest ? 10 : 3 + i % 13;
    auto* lengths = Find<QComboBox>(tab, "lengthList");
    lengths->setCurrentIndex(length - 3);
    emit lengths->activated(length - 3);
    const auto box = [tab](int number) {
        return tab->findChild<QLineEdit*>(QStringLiteral("letterBox%1").arg(number));
    };
    for (int number = 1; number <= length; ++number) box(number)->setText(QStringLiteral("?"));
    if (largest) {
        box(9)->setText(QStringLiteral("E"));
        box(10)->setText(QStringLiteral("S"));
    } else {
        box(1)->setText(QString(QChar(u'A' + i % 26)));
        box(length)->setText(QString(QChar(u'A' + (i * 7) % 26)));
    }
    Find<QAbstractButton>(tab, "searchButton")->click();
    auto* timer = Find<QTimer>(tab, "scanTimer");
    WaitFor([&] { return !timer->isActive() && tab->window()->isEnabled(); });
}

void ScrabbleSearch(QWidget* tab, int i) {
    static const QStringList draws{"CHIEN", "ESTRAGON", "AEIRSTU?", "PLANTES", "RS?", "TRAINEES?"};
    Find<QLineEdit>(tab, "drawBox")->setText(draws[i % draws.size()]);
    auto* button = Find<QAbstractButton>(tab, "searchButton");
    button->click();
    auto* timer = Find<QTimer>(tab, "searchTimer");
    WaitFor([&] { return !timer->isActive() && button->isEnabled(); });
}

void SynonymSearch(QWidget* tab, int i) {
    static const QStringList words{"chat", "maison", "ab", "grand", "co", "beau", "partir"};
    Find<QComboBox>(tab, "wordBox")->setEditText(words[i % words.size()]);
    Settle();
    auto* button = Find<QAbstractButton>(tab, "searchButton");
    if (button->isEnabled()) button->click();
}

void GlossarySearch(QWidget* tab, int i) {
    static const QStringList prefixes{"", "A", "ZE", "B", "", "OU", "K"};
    Find<QLineEdit>(tab, "filterBox")->setText(prefixes[i % prefixes.size()]);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PrepareApplication(app);
    FakePlatform fakes;
    MainWindow window(BuiltInDictionaries(), fakes.platform());
    window.findChild<AboutTab*>()->setLicenceFolders({QStringLiteral(QUILLEX_SOURCE_DIR)});
    window.load(nullptr);
    WaitFor([&] { return window.isVisible() && window.windowHandle()->isExposed(); });
    // The licence text loads half a second after the window shows; the memory the window
    // does not need is given back two seconds after it shows.
    Idle(2500);
    WaitFor([&] { return !window.findChild<AboutTab*>()->loadingLicence(); });
    std::printf("RSS after start: %s\n", ResidentMemory().constData());
    RunSearches(window, 0, "pattern", PatternSearch);
    RunSearches(window, 1, "scrabble", ScrabbleSearch);
    RunSearches(window, 2, "synonyms", SynonymSearch);
    RunSearches(window, 3, "glossary", GlossarySearch);
    return 0;
}
