#pragma once

class QImage;

// Whether a rendered page or a decoded picture prints in colour: enough of its pixels are
// clearly coloured when laid on white paper. Transparent pixels count as the paper.
//
// A pixel is clearly coloured when its chroma (largest minus smallest of R, G and B, 0..255)
// reaches kClearChroma = 40. Anti-aliased grey text has none, the rounding noise of a grey photo
// saved as a colour JPEG a few units, a yellowed or sepia-toned page of scanned text up to about
// 30 (paper near (242, 233, 216)); printed colour starts far above: a red line's anti-aliased
// edge at half coverage still has about 110, a pale highlighter yellow about 55.
//
// A page is colour when at least one pixel in 15,000 is clearly coloured (at least 4), about
// 4 mm² of an A4 page, whatever the render size: a 0.75 pt underline 4 cm long or a 1 cm logo
// passes, the few stray coloured pixels a scanner leaves at sharp black edges do not.
bool isColorImage(const QImage &image);
