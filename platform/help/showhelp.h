#pragma once

#include <QString>

#include "help/helpcommands.h"

class QWidget;

namespace help {

// Carries out a program's help command on a help file: HELP_FINDER shows the
// contents, HELP_KEY the keyword index (data: a keyword, may be empty),
// HELP_CONTEXT the topic of a context number (data: the number). A bare file
// name is found as LocateHelpFile finds it. One viewer window serves every
// command; it opens over the owner's window, so that a modal owner does not
// block it. A help file that cannot be opened is reported in a message box
// instead. Other commands do nothing.
void ShowHelp(const QString& helpFile, int command, const QString& data, QWidget* owner);

}  // namespace help
