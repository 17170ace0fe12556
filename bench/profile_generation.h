#pragma once

#include "pricing/price_profile.h"

// One numbered profile set written by the save loop of bench_profile_store and checked by the crash
// test: sets of different generations differ in every profile and in their size, so a mix shows.
inline PriceProfileMap profileGeneration(int generation)
{
    PriceProfileMap profiles;
    const int count = 20 + (generation % 7) * 5;
    for (int index = 0; index < count; ++index) {
        PriceProfile profile;
        for (int mode = 0; mode < ColorModeCount; ++mode) {
            for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
                profile.pagePrices[mode][slot] = generation + index * 0.001 + mode * 0.1 + slot * 0.01;
        }
        profile.binding = generation;
        for (int key = 0; key < 5; ++key)
            profile.bindingPrices.insert(QStringLiteral("custom:%1").arg(key), generation + key * 0.25);
        profile.sellerName = QStringLiteral("generation %1").arg(generation);
        profile.quoteValidityDays = 1 + generation % 3650;
        profiles.insert(index == 0 ? defaultProfileName() : QStringLiteral("客户 %1").arg(index), profile);
    }
    return profiles;
}

// The generation a stored set claims to be, or -1.
inline int generationOf(const PriceProfileMap &profiles)
{
    const QString seller = profiles.value(defaultProfileName()).sellerName;
    bool ok = false;
    const int generation = seller.mid(11).toInt(&ok);
    return seller.startsWith(QLatin1String("generation ")) && ok ? generation : -1;
}
