#pragma once

#include "message.h"

#include <QString>

// The words of every message the game shows, in one place.
struct MessageText
{
    QString text;  // for a name prompt, the prompt
    QString title;
};

MessageText messageText(const Message &message);
