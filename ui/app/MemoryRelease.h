#pragma once

#include <QObject>
#include <QTimer>

namespace quillex::ui {

/// Gives back to the system the memory the program holds without needing it: the pages of the
/// built-in lists that searches have mapped, which stay in the system's file cache so that the
/// next search maps them again without reading the disk, and the free pages malloc keeps.
void ReleaseMemory();

/// Runs ReleaseMemory every few seconds while the window lives, so that the process's memory
/// stays where it was after start, however many searches it runs.
class PeriodicMemoryRelease : public QObject {
    Q_OBJECT
  public:
    explicit PeriodicMemoryRelease(QObject* parent = nullptr);

  private:
    QTimer timer_;
};

}  // namespace quillex::ui
