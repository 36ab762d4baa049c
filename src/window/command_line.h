// gridcode's command line, `gridcode [FILE]`: FILE opens as LOAD opens it, and
// --help and --version work as in any Qt program.

#ifndef GRIDCODE_WINDOW_COMMAND_LINE_H_
#define GRIDCODE_WINDOW_COMMAND_LINE_H_

#include <QString>
#include <QStringList>

namespace gridcode {

// Returns the file that `arguments`, the program's name first, name; an empty
// text for none. For --help or --version, and for a command line it cannot
// follow, prints the answer or the fault and ends the program.
QString FileFromCommandLine(const QStringList& arguments);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_COMMAND_LINE_H_
