#pragma once

// Registers the compiled-in resources under ":/Resources/". They live in a
// static library, so the executable and each test registers them explicitly.
void initZemkoResources();
