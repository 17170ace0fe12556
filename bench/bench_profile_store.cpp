// Times loading and saving a large profile set; with "--save-loop DBPATH" saves numbered profile
// sets forever, for the crash test to kill at random points.
#include "bench/profile_generation.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

PriceProfileMap largeProfileSet()
{
    PriceProfileMap profiles;
    for (int index = 0; index < 200; ++index) {
        PriceProfile profile;
        for (int mode = 0; mode < ColorModeCount; ++mode) {
            for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
                profile.pagePrices[mode][slot] = 0.01 * (index + mode + slot) + 0.003;
        }
        for (int key = 0; key < 20; ++key)
            profile.bindingPrices.insert(QStringLiteral("custom:%1").arg(key, 8, 16, QLatin1Char('0')),
                                         key * 0.35);
        profile.sellerName = QStringLiteral("印刷店 %1").arg(index);
        profile.sellerAddress = QStringLiteral("Main Street %1, 10115 Berlin").arg(index);
        profile.paymentTerms = QStringLiteral("30 days net");
        profiles.insert(index == 0 ? defaultProfileName() : QStringLiteral("Profile %1").arg(index, 3),
                        profile);
    }
    return profiles;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int runBenchmark()
{
    QTemporaryDir dir;
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    const StorageResult opened = openPriceDatabase(database, dir.filePath(QStringLiteral("orvanta.db")));
    if (!opened.ok()) {
        std::fprintf(stderr, "open failed: %s\n", qPrintable(opened.databaseText));
        return 1;
    }
    const PriceProfileMap profiles = largeProfileSet();
    const int rounds = 15;
    std::vector<double> saveTimes;
    std::vector<double> loadTimes;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const StorageResult saved = savePriceProfiles(database, profiles, profiles.first());
        saveTimes.push_back(timer.nsecsElapsed() / 1e6);
        if (!saved.ok()) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.databaseText));
            return 1;
        }
        timer.restart();
        const LoadedPriceProfiles loaded = loadPriceProfiles(database, LegacyPriceSettings());
        loadTimes.push_back(timer.nsecsElapsed() / 1e6);
        if (loaded.profiles != profiles) {
            std::fprintf(stderr, "loaded profiles differ from the saved ones\n");
            return 1;
        }
    }
    std::printf("200 profiles, 20 custom bindings each, %d rounds\n", rounds);
    std::printf("save: median %.2f ms, worst %.2f ms\n", median(saveTimes),
                *std::max_element(saveTimes.begin(), saveTimes.end()));
    std::printf("load: median %.2f ms, worst %.2f ms\n", median(loadTimes),
                *std::max_element(loadTimes.begin(), loadTimes.end()));
    return 0;
}

int runSaveLoop(const QString &path)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    const StorageResult opened = openPriceDatabase(database, path);
    if (!opened.ok())
        return 2;
    const LoadedPriceProfiles loaded = loadPriceProfiles(database, LegacyPriceSettings());
    if (!loaded.result.ok())
        return 2;
    int generation = std::max(0, generationOf(loaded.profiles));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        const PriceProfileMap profiles = profileGeneration(++generation);
        if (!savePriceProfiles(database, profiles, profiles.first()).ok())
            return 3;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--save-loop"))
        return runSaveLoop(arguments.at(2));
    return runBenchmark();
}
