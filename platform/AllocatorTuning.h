#pragma once

// Makes freed picture-sized buffers go back to the system at once. Call
// first thing in main, before any thread starts.
void releaseLargeBuffersOnFree();

// For a short-lived tool that builds one large record and exits: large
// blocks come from the heap, which grows and shrinks in steps of 64 MiB, so
// the process faults in fewer fresh pages. Call first thing in main.
void growHeapInLargeSteps();
