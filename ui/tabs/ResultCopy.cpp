#include "tabs/ResultCopy.h"

#include "app/AppConstants.h"

namespace quillex::ui {

void CopyResult(TabContext& context, const QString& word) {
    // A clipboard held by another program is not worth a message: the copy is simply lost.
    context.platform.clipboard.setText(word);
    if (!context.state.copyNoticePending) return;
    context.platform.messages.show(
        {AppTitle, QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      "),
         MessageIcon::Information, MessageButtons::Ok});
    context.state.copyNoticePending = false;
}

}  // namespace quillex::ui
