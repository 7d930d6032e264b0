#pragma once

// Makes freed picture-sized buffers go back to the system at once. Call
// first thing in main, before any thread starts.
void releaseLargeBuffersOnFree();
