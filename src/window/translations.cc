#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gridcode {
namespace {

// Loads `name`_<language>.qm from `folder` into a translator that `application`
// owns; false when there is none.
bool Install(QCoreApplication& application, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
    QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

void InstallTranslations(QCoreApplication& application) {
  Install(application, QStringLiteral("gridcode"), QStringLiteral(":/i18n"));
  // Qt's own texts: the system's copy where it has one (Linux), else the
  // program's own (Windows).
  if (!Install(application, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    Install(application, QStringLiteral("qtbase"), QStringLiteral(":/i18n"));
  }
}

}  // namespace gridcode
