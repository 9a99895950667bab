#pragma once

#include <QTest>
#include <memory>

#include "core/wordlists/Dictionaries.h"
#include "ui/about/AboutTab.h"
#include "ui/common/ResultList.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/platform/FakePlatform.h"

namespace quillex::ui::testing {

/// The row shown at the top of the list once its pending layout has run.
inline int TopRow(QAbstractItemView* list) {
    QTest::qWait(20);
    return list->indexAt(QPoint(2, 2)).row();
}

/// The texts of a result list's rows, in order.
inline QStringList Rows(const ResultList* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->text(row);
    return texts;
}

/// Clicks the middle of a row, scrolled into view first.
inline void ClickRow(ResultList* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

/// A main window over the real lists and recording fakes, started and shown.
struct TestWindow {
    FakePlatform fakes;
    std::unique_ptr<MainWindow> window;

    TestWindow() : window(std::make_unique<MainWindow>(BuiltInDictionaries(), fakes.platform())) {
        // The repository's licence file, so that its half-second load reports nothing.
        window->findChild<AboutTab*>()->setLicenceFolders(
            {qEnvironmentVariable("QUILLEX_SOURCE_DIR")});
        window->load(nullptr);
        QVERIFY(QTest::qWaitFor([this] { return window->isVisible(); }, 2000));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    /// The control of that name; "scrabbleTab/searchButton" looks only inside the named tab,
    /// for the names several tabs share.
    template <typename T>
    T* find(const QString& path) const {
        const QStringList names = path.split(u'/');
        QObject* scope = window.get();
        for (qsizetype i = 0; scope && i + 1 < names.size(); ++i)
            scope = scope->findChild<QWidget*>(names[i]);
        return scope ? scope->findChild<T*>(names.last()) : nullptr;
    }
    void pressEnter() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
};

}  // namespace quillex::ui::testing
