// The file dialog's title and filter, and the conversion of the filter into the
// toolkit's form.

#ifndef GRIDCODE_WINDOW_FILE_FILTER_H_
#define GRIDCODE_WINDOW_FILE_FILTER_H_

#include <QString>
#include <QStringList>

namespace gridcode {

// The title of the file dialog, in both the save and the open mode.
inline const QString kDialogTitle = QStringLiteral("データの保存");

// Descriptions and patterns alternate, separated by "|".
inline const QString kDialogFilter = QStringLiteral("データ ファイル|*.dat|すべてのファイル|*.*");

// Returns the filter as the toolkit's name filters, "description (patterns)",
// one per entry. "*.*" becomes "*", so that "all files" also lists names
// without a dot. Patterns of one entry may be separated by ";". A description
// without a pattern selects every file.
QStringList NameFilters(const QString& filter);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FILE_FILTER_H_
