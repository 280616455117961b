// messages.cpp — the core's message sink.
#include "messages.h"

namespace {
MessageSink currentSink = nullptr;
}

MessageSink setMessageSink(MessageSink sink) {
    MessageSink old = currentSink;
    currentSink = sink;
    return old;
}

void showCoreMessage(const CoreMessage& message) {
    if (currentSink) currentSink(message);
}
