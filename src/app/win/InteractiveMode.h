#pragma once

// The interactive start: the introduction page when no profile was ever
// saved, then the main window, run modally until the user closes it.
void RunInteractiveMode();
