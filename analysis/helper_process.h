#pragma once

#include <QString>

class QProcess;

// orvanta-cli beside the running program, where the build and the installation put it; empty
// when it is not there.
QString pageDetailHelperProgram();

// Makes a helper about to start run at the lowest normal priority (nice 19: it yields to
// everything, yet is never starved as the idle class is), within memoryBytes of address space,
// and end when the process that started it ends.
void limitHelperProcess(QProcess &process, qint64 memoryBytes);

// The same priority for the calling thread (Linux keeps one per thread).
void lowerThisThreadPriority();

// CPU time a process has used, all its threads; -1 where the system does not say.
qint64 processCpuMilliseconds(qint64 pid);
