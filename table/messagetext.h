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

// What went wrong with a file, whichever file it was: the words to follow
// a colon, and the same as a sentence of its own.
QString fileProblemWords(const FileStatus &status);
QString fileProblemText(const FileStatus &status);
