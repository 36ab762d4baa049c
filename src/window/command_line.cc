#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace gridcode {

QString FileFromCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "gridcode::CommandLine",
      "Draw with the values 0 to 3 in a grid of 14 by 10 cells, and turn it into BASIC DATA "
      "lines."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QCoreApplication::translate("gridcode::CommandLine",
                                  "A grid file or PNG picture to open, as LOAD opens it."),
      QStringLiteral("[FILE]"));
  parser.process(arguments);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    const QString fault =
        QCoreApplication::translate("gridcode::CommandLine",
                                    "%1 files were given, and gridcode opens one file at a time.")
            .arg(files.size());
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(fault));
    std::exit(EXIT_FAILURE);
  }
  return files.value(0);
}

}  // namespace gridcode
