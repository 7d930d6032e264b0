#include "ZemkoResources.h"

// Runs before main in every test that uses the compiled-in resources.
static const bool resourcesRegistered = [] {
    initZemkoResources();
    return true;
}();
