#pragma once

#include <QString>
#include <exception>

#include "core/errors/ErrorPlaceCode.h"
#include "ui/platform/MessageService.h"

namespace quillex::ui {

/// Shows the internal-error report: critical icon, OK, title AppTitle.
void ReportInternalError(MessageService& messages, const QString& description, ErrorPlaceCode place,
                         int code);

/// The same for a caught failure, with its French description and number.
void ReportInternalError(MessageService& messages, const std::exception& failure,
                         ErrorPlaceCode place);

}  // namespace quillex::ui
