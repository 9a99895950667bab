#pragma once

#include <QString>

namespace quillex::ui {

/// Opens an address with the user's default program (browser).
class ShellService {
  public:
    virtual ~ShellService() = default;
    /// Returns false when nothing could open the address; callers need not report it.
    virtual bool open(const QString& address) = 0;
};

}  // namespace quillex::ui
