#include "analysis/page_detail_worker.h"

#include "analysis/page_detail_analysis.h"
#include "analysis/page_detail_protocol.h"

#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0)
            return false;
        done += written;
    }
    return true;
}

// Ways to misbehave that the tests ask for by name; without the variable nothing happens.
void misbehaveIfAsked(const QString &fileName)
{
    static const bool standIn = qgetenv(kPageDetailStandInVariable) == "1";
    if (!standIn)
        return;
    if (fileName.contains(QLatin1String("abort-helper")))
        std::abort();
    if (fileName.contains(QLatin1String("hang-helper"))) {
        for (;;)
            QThread::sleep(60);
    }
    if (fileName.contains(QLatin1String("allocate-helper"))) {
        std::vector<char *> blocks;
        for (int i = 0; i < 1024; ++i) { // 16 GB: far beyond any cap
            blocks.push_back(new char[16 << 20]);
            blocks.back()[0] = 1;
        }
    }
}

} // namespace

int runPageDetailWorker()
{
    const int answers = ::dup(STDOUT_FILENO);
    if (answers < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    std::set_new_handler([] { ::_exit(kPageDetailOutOfMemoryExit); });
    std::string text;
    while (std::getline(std::cin, text)) {
        const std::optional<PageDetailRequest> request =
            parsePageDetailRequest(QByteArray::fromStdString(text));
        if (!request)
            continue;
        misbehaveIfAsked(request->info.fileName);
        const PageDetails details = analyzePageDetails(request->info, nullptr, request->span);
        if (!writeAll(answers, pageDetailAnswerLine({request->id, details})))
            return 1;
    }
    return 0;
}
