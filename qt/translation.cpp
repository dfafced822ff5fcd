#include "qt/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace belegix {

namespace {

constexpr auto kTranslatorName = "belegix-qtbase-de";

}  // namespace

bool InstallGermanQtTexts(QCoreApplication& app, const QString& folder) {
    if (app.findChild<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    const QString from =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_de"), from) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace belegix
