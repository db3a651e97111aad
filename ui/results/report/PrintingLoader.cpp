#include "PrintingLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace zodiac {

PrintReportDocument LoadPrinting(QString& problem) {
    static PrintReportDocument entry = nullptr;
    if (entry)
        return entry;
    const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const QString& folder : {program, program + QStringLiteral(ZODIAC_MODULE_DIR "/")}) {
        const QString path = QDir::cleanPath(folder + QStringLiteral(ZODIAC_MODULE_FILE));
        if (!QFileInfo::exists(path))
            continue;
        // The module stays loaded for the rest of the run: a QLibrary leaves it when it goes.
        QLibrary module(path);
        entry = reinterpret_cast<PrintReportDocument>(module.resolve(PrintReportDocumentName));
        if (!entry)
            problem = module.errorString();
        return entry;
    }
    problem = QStringLiteral(ZODIAC_MODULE_FILE " is missing");
    return nullptr;
}

} // namespace zodiac
