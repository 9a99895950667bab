#pragma once

#include <QString>

namespace quillex::ui {

/// The system clipboard: cleared, then given one plain text. A failure is not the program's.
class ClipboardService {
  public:
    virtual ~ClipboardService() = default;
    /// Returns false when the clipboard could not take the text.
    virtual bool setText(const QString& text) = 0;
};

}  // namespace quillex::ui
