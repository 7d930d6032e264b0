#include "ZemkoResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be called from the global namespace.
static void initGenerated()
{
    Q_INIT_RESOURCE(generated);
}

void initZemkoResources()
{
    initGenerated();
}
