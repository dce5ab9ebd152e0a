#pragma once

#include "util/Result.h"

#include <QString>

namespace vantorel {

class MainWindow;

// Shows each page of the main window as a user switching pages would (so
// each page asks the device for what it shows), reads the device type on the
// firmware page, and saves a PNG of the window per page into `folder`
// ("1-user-mode.png" ...). Pages hidden for the device are skipped. An error
// when a file could not be written.
Result<void> saveScreenshots(MainWindow& form, const QString& folder);

} // namespace vantorel
