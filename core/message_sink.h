// The one way the program reports a problem to the user.
#pragma once

#include <string>

namespace quill {

// A modal box with one OK button, owned by the main window and captioned with
// the application's name.
class MessageSink {
public:
    virtual void ShowMessage(const std::string& text) = 0;

protected:
    ~MessageSink() = default;
};

}  // namespace quill
