#include "ui/app/ReportInternalError.h"

#include "core/errors/InternalErrorText.h"
#include "ui/app/AppConstants.h"

namespace quillex::ui {

void ReportInternalError(MessageService& messages, const QString& description, ErrorPlaceCode place,
                         int code) {
    const std::u16string text = InternalErrorText(description.toStdU16String(), place, code);
    messages.show(
        {AppTitle, QString::fromStdU16String(text), MessageIcon::Critical, MessageButtons::Ok});
}

void ReportInternalError(MessageService& messages, const std::exception& failure,
                         ErrorPlaceCode place) {
    ReportInternalError(messages, QString::fromStdU16String(DescribeFailure(failure)), place,
                        FailureNumber(failure));
}

}  // namespace quillex::ui
