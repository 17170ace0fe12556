#include "settings_dialog/dialog_fit.h"

#include <algorithm>

DialogFit fitSettingsDialog(int contentWidth, int chromeWidth, const std::optional<QRect> &availableArea)
{
    constexpr int ScreenMargin = 64;
    constexpr int PreferredWidth = 760;
    const QRect area = availableArea.value_or(QRect(0, 0, 1280, 900));
    int maxWidth = area.width() - ScreenMargin;
    const int maxHeight = area.height() - ScreenMargin;
    const int neededWidth = contentWidth + chromeWidth + 12;

    int width = PreferredWidth;
    if (maxWidth <= PreferredWidth)
        maxWidth = PreferredWidth;
    else
        width = std::clamp(neededWidth, PreferredWidth, maxWidth);
    const int height = std::clamp(maxHeight, 600, 820);

    DialogFit fit;
    fit.geometry = QRect(0, 0, width, height);
    fit.geometry.moveCenter(area.center());
    fit.horizontalScrollBarOff = neededWidth <= maxWidth;
    return fit;
}
