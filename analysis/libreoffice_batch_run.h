#pragma once

#include "analysis/word_render_batch.h"

// One hidden run of the office suite (program) over paths, in a private temporary folder with a
// private profile; nothing is written beside the files. Each PDF it renders completely is handed
// to onRendered while the folder exists. The run is killed, with every process it started, when
// no file has been settled for perFileMs, when it outlives n * perFileMs, or once cancelled.
// A run that was killed or crashed says how many leading files it settled, from the line the
// suite prints for each file it converts or fails to load.
WordRenderRunEnd runLibreOfficeBatch(const QStringList &paths, const QString &program, int perFileMs,
                                     const RenderedPdfHandler &onRendered, const std::atomic_bool *cancelled);
