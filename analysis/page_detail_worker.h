#pragma once

// The hidden argument that starts orvanta-cli as a page-detail helper.
inline constexpr char kPageDetailWorkerArgument[] = "--page-detail-worker";
// A helper exits with this status when an allocation fails under its memory cap.
inline constexpr int kPageDetailOutOfMemoryExit = 86;
// Set to 1 in a helper's environment, documents whose names hold "abort-helper", "hang-helper" or
// "allocate-helper" make it abort, sleep or allocate without end: the tests' way to misbehave.
inline constexpr char kPageDetailStandInVariable[] = "ORVANTA_PAGE_DETAIL_STAND_IN";

// The helper's loop: reads requests from standard input until it closes, answers each on standard
// output. Anything else the libraries print goes to standard error, so answers stay whole lines.
int runPageDetailWorker();
