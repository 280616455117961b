// messages.h — how the portable core asks for a message box.
//
// The core never shows anything itself: it hands text, caption, icon and
// owner to the sink the program installed (a message box in the programs, a
// line on stderr in wbtool, a recorder in tests).
#pragma once

#include <string>

enum class MessageIcon { None, Warning };
enum class MessageOwner { None, MainWindow };

struct CoreMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageOwner owner = MessageOwner::None;
    // When the text or caption is a UI string, its offset (else -1): the
    // program then shows the string table's own text, in any alphabet.
    int textOffset = -1;
    int captionOffset = -1;
};

using MessageSink = void (*)(const CoreMessage&);

// Installs the sink; nullptr drops messages. Returns the previous one.
MessageSink setMessageSink(MessageSink sink);
void showCoreMessage(const CoreMessage& message);
