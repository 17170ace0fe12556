#pragma once

#include <QRect>

#include <optional>

// Where the settings dialog goes on a screen: as wide as its content needs within the screen,
// at least 760 wide and 600 to 820 high, centred on the screen's free area.
struct DialogFit
{
    QRect geometry;
    bool horizontalScrollBarOff = true; // the content fits, so no horizontal scrolling is offered
};

// contentWidth: what the scrolled content needs; chromeWidth: vertical scroll bar and frames.
// Without a screen a 1280 x 900 area is assumed.
DialogFit fitSettingsDialog(int contentWidth, int chromeWidth, const std::optional<QRect> &availableArea);
