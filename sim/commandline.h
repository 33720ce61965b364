#pragma once

#include <QStringList>
#include <QTextStream>

// All of twentyone-sim but main(): reads the arguments (the program name
// first), runs the command and prints to `out`. Bad input gets one line on
// `err`. Returns the exit status: 0 done, 2 bad input.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
