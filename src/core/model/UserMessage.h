#pragma once

#include <string>
#include <utility>

namespace korvanta {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// A message box as a core operation asks for it: the window shows it, `kvt` prints it.
struct UserMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Error;
    MessageButtons buttons = MessageButtons::Ok;
    std::string caption; // empty: the box has no caption of its own
};

inline UserMessage ErrorMessage(std::string text) {
    return UserMessage{std::move(text), MessageIcon::Error, MessageButtons::Ok, {}};
}

} // namespace korvanta
