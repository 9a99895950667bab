#pragma once

#include <QString>

namespace quillex::ui {

/// Icon of a message box.
enum class MessageIcon { None, Critical, Warning, Information, Question };

/// Buttons of a message box.
enum class MessageButtons { Ok, YesNo };

/// What the user answered.
enum class MessageAnswer { Ok, Yes, No };

/// One message box to show.
struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

/// Shows modal message boxes; tests replace it so that nothing blocks.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

}  // namespace quillex::ui
