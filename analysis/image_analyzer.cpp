#include "analysis/image_analyzer.h"

#include "analysis/document_info.h"
#include "analysis/image_probe.h"
#include "analysis/paper_size.h"

#include <QCoreApplication>

void analyzeImageInto(DocumentInfo &info)
{
    const ImageProbe probe = probeImageFile(info.filePath);
    if (!probe.readable)
        return;

    info.pageCount = qMax(probe.frameCount, 1);
    if (probe.dotsPerMeterX > 0 && probe.dotsPerMeterY > 0) {
        const double widthPoints = probe.width * 72.0 * 1000.0 / (probe.dotsPerMeterX * 25.4);
        const double heightPoints = probe.height * 72.0 * 1000.0 / (probe.dotsPerMeterY * 25.4);
        info.paperSize = paperSizeLabel(widthPoints, heightPoints);
    }
    // Without a stored resolution the picture is taken to fill an A4 sheet.
    if (info.paperSize.isEmpty()) {
        info.paperSize = probe.width > probe.height
                             ? QCoreApplication::translate("DocumentAnalyzer", "A4 横向")
                             : QStringLiteral("A4");
    }
}
