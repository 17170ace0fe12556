#pragma once

#include <QString>

// Points the settings store and the application-data folder at throw-away test locations and
// empties them, so no test ever reads or writes the user's own price lists or preferences.
void isolateTestEnvironment(const QString &testName);
