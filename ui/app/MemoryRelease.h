#pragma once

namespace quillex::ui {

/// Gives back to the system the memory the program holds without needing it: the pages of the
/// built-in lists mapped so far (loading reads them all to check them), which stay in the
/// system's file cache so that a search maps again, without reading the disk, only those it
/// reads; and the free pages malloc keeps.
void ReleaseMemory();

}  // namespace quillex::ui
