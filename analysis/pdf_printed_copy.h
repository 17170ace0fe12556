#pragma once

class QString;
class QTemporaryFile;

// A copy of a PDF as a printer prints it, for the renderer, which draws pages without their
// annotations: every annotation whose print flag is set and which is not hidden (highlights,
// stamps, ink, filled form fields) merged into its page's content, form fields given an
// appearance first where the document asks for one. Non-printing and hidden annotations are
// left out, as a print leaves them out; "not shown on screen" alone does not keep one from print.
//
// Written into `copy` only when some page has annotations; false (render the file itself) when
// none has, or when qpdf cannot open the file or refuses its page tree.
bool writePrintedCopy(const QString &path, QTemporaryFile &copy);
