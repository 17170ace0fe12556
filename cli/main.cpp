#include "cli/analyze_command.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char usage[] = "Usage: orvanta-cli analyze PATH...\n"
                     "\n"
                     "Analyses documents as the Orvanta window does and prints one JSON object per document\n"
                     "on its own line, in input order, with the fields filePath, fileName, fileType,\n"
                     "pageCount (below 1: not detected) and paperSize (empty: not detected).\n"
                     "\n"
                     "Folders are searched recursively (hidden entries and symbolic links are skipped).\n"
                     "Supported: pdf, doc, docx, wps, jpg, jpeg, png, bmp, gif, webp, tif, tiff.\n"
                     "Unsupported files are named on standard error and skipped.\n"
                     "\n"
                     "Exit status: 0 when every document was analysed, 1 when an input path does not exist,\n"
                     "2 for usage errors.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (arguments.isEmpty() || arguments.first() != QLatin1String("analyze")) {
        std::fputs(arguments.isEmpty() ? "orvanta-cli: missing command\n\n"
                                       : "orvanta-cli: unknown command\n\n",
                   stderr);
        std::fputs(usage, stderr);
        return 2;
    }
    arguments.removeFirst();
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    else if (!arguments.isEmpty() && arguments.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "orvanta-cli: unknown option: %s\n\n%s", qPrintable(arguments.first()), usage);
        return 2;
    }
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "orvanta-cli: analyze needs at least one file or folder\n\n%s", usage);
        return 2;
    }
    return runAnalyzeCommand(arguments, stdout, stderr);
}
