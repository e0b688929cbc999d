#pragma once

// A run reads a whole project into memory at once: tens of megabytes of small
// records, every page touched once. Each first touch of a page costs a fault,
// and on virtual machines faults are dear. The heap is therefore grown in one
// large step and backed by transparent huge pages where the system offers them
// ("madvise" mode), so that one fault maps two megabytes instead of four
// kilobytes. Nothing changes where huge pages are not offered; the memory not
// touched is never made resident.
void UseLargeHeapPages();
