#include "cli/page_detail_measuring.h"

#include "analysis/helper_process.h"

#include <QEventLoop>
#include <QHash>

#include <optional>

namespace {

const char *failureText(PageDetailFailure failure)
{
    switch (failure) {
    case PageDetailFailure::Crashed:
        return "the helper crashed";
    case PageDetailFailure::OutOfMemory:
        return "the helper ran out of memory";
    case PageDetailFailure::TimedOut:
        return "the helper took too long";
    case PageDetailFailure::None:
        break;
    }
    return "";
}

} // namespace

void measurePageDetailsInInputOrder(const QList<DocumentInfo> &documents,
                                    const std::function<void(int, const PageDetails &)> &onResult, FILE *err)
{
    PageDetailHelpers helpers(pageDetailHelperProgram());
    QList<std::optional<PageDetails>> outcomes(documents.size());
    QHash<quint64, int> indexOfJob;
    int handedOver = 0;
    QEventLoop loop;
    QObject::connect(
        &helpers, &PageDetailHelpers::finished, &loop, [&](quint64 job, const PageDetailOutcome &outcome) {
            const int index = indexOfJob.value(job, -1);
            if (index < 0 || outcome.retrying)
                return;
            if (outcome.failure != PageDetailFailure::None)
                std::fprintf(err, "orvanta-cli: page details unavailable for %s: %s\n",
                             qPrintable(documents.at(index).filePath), failureText(outcome.failure));
            outcomes[index] = outcome.details;
            for (; handedOver < outcomes.size() && outcomes.at(handedOver); ++handedOver)
                onResult(handedOver, *outcomes.at(handedOver));
            if (handedOver == outcomes.size())
                loop.quit();
        });
    for (int i = 0; i < documents.size(); ++i) {
        if (documents.at(i).pageCount < 1)
            outcomes[i] = PageDetails();
        else
            indexOfJob.insert(helpers.start(documents.at(i)), i);
    }
    for (; handedOver < outcomes.size() && outcomes.at(handedOver); ++handedOver)
        onResult(handedOver, *outcomes.at(handedOver));
    if (handedOver < outcomes.size())
        loop.exec();
}

QList<PageDetails> measureAllPageDetails(const QList<DocumentInfo> &documents,
                                         const QList<WordRendering> &renderings, FILE *err)
{
    QList<PageDetails> details(documents.size());
    QList<DocumentInfo> measured;
    QList<int> indexOf;
    for (int i = 0; i < documents.size(); ++i) {
        if (renderings.value(i).outcome == WordRenderOutcome::NotRendered) {
            measured.append(documents.at(i));
            indexOf.append(i);
        } else {
            details[i] = renderings.at(i).details;
        }
    }
    measurePageDetailsInInputOrder(
        measured, [&](int index, const PageDetails &outcome) { details[indexOf.at(index)] = outcome; }, err);
    return details;
}
